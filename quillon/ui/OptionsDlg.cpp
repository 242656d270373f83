// SPDX-License-Identifier: MIT
#include "OptionsDlg.h"

#include "ControlIds.h"
#include "FilePickers.h"
#include "ui_OptionsDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>

namespace {

void ExchangeText(QLineEdit& edit, std::string& text, bool saveAndValidate)
{
    if (saveAndValidate)
        text = edit.text().toStdString();
    else
        edit.setText(QString::fromStdString(text));
}

// The list holds the formats in the order of the enumeration.
void ExchangeFormat(QComboBox& list, PresentationFormat& format, bool saveAndValidate)
{
    if (saveAndValidate)
        format = list.currentIndex() == 1 ? PresentationFormat::Pptx : PresentationFormat::Ppt;
    else
        list.setCurrentIndex(format == PresentationFormat::Pptx ? 1 : 0);
}

} // namespace

void ExchangeCheck(QCheckBox& box, std::int32_t& flag, bool saveAndValidate)
{
    if (saveAndValidate) {
        const Qt::CheckState state = box.checkState();
        flag = state == Qt::PartiallyChecked ? 2 : state == Qt::Checked ? 1 : 0;
        return;
    }
    if (flag < 0 || flag > 2)
        flag = 0;
    box.setCheckState(flag == 2 ? Qt::PartiallyChecked : flag == 1 ? Qt::Checked : Qt::Unchecked);
}

COptionsDlg::COptionsDlg(IFilePickers& pickers, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::COptionsDlg>()), m_pickers(pickers)
{
    m_ui->setupUi(this);
    // Nothing in the dialog has a use for more room, so it keeps the size of
    // its contents and cannot be maximised, as a dialog with a modal frame.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    const std::pair<QWidget*, int> ids[] = {
        {m_ui->saveCheck, IDC_SAVE_PRESENTATIONS},
        {m_ui->saveFolderEdit, IDC_SAVE_FOLDER},
        {m_ui->browseFolderButton, IDC_BROWSE_FOLDER},
        {m_ui->leaveCheck, IDC_LEAVE_OPEN},
        {m_ui->overwriteCheck, IDC_OVERWRITE},
        {m_ui->formatCombo, IDC_SAVE_FORMAT},
        {m_ui->templateCheck, IDC_APPLY_TEMPLATE},
        {m_ui->templateFileEdit, IDC_TEMPLATE_FILE},
        {m_ui->browseTemplateButton, IDC_BROWSE_TEMPLATE},
        {m_ui->okButton, IDOK},
        {m_ui->cancelButton, IDCANCEL},
        {m_ui->closeCheck, IDC_CLOSE_AFTER},
    };
    for (const auto& [widget, id] : ids)
        widget->setProperty("controlId", id);

    connect(m_ui->templateCheck, &QCheckBox::clicked, this, &COptionsDlg::OnApplyTemplate);
    connect(m_ui->browseTemplateButton, &QPushButton::clicked, this,
            &COptionsDlg::OnBrowseTemplate);
    connect(m_ui->saveCheck, &QCheckBox::clicked, this, &COptionsDlg::OnSavePresentations);
    connect(m_ui->browseFolderButton, &QPushButton::clicked, this, &COptionsDlg::OnBrowseFolder);
    connect(m_ui->okButton, &QPushButton::clicked, this, &COptionsDlg::accept);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &COptionsDlg::reject);
}

COptionsDlg::~COptionsDlg() = default;

int COptionsDlg::DoModal()
{
    OnInitDialog();
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

void COptionsDlg::UpdateData(bool saveAndValidate)
{
    ExchangeCheck(*m_ui->templateCheck, m_template, saveAndValidate);
    ExchangeText(*m_ui->templateFileEdit, m_templateFile, saveAndValidate);
    ExchangeCheck(*m_ui->closeCheck, m_close, saveAndValidate);
    ExchangeCheck(*m_ui->saveCheck, m_save, saveAndValidate);
    ExchangeText(*m_ui->saveFolderEdit, m_saveFolder, saveAndValidate);
    ExchangeCheck(*m_ui->leaveCheck, m_leave, saveAndValidate);
    ExchangeCheck(*m_ui->overwriteCheck, m_overwrite, saveAndValidate);
    ExchangeFormat(*m_ui->formatCombo, m_format, saveAndValidate);
}

void COptionsDlg::OnInitDialog()
{
    UpdateData(false);
    EnableTemplateControls();
    EnableSaveControls();
    m_ui->saveCheck->setFocus();
}

void COptionsDlg::EnableTemplateControls()
{
    const bool enabled = m_template != 0;
    m_ui->templateFileEdit->setEnabled(enabled);
    m_ui->browseTemplateButton->setEnabled(enabled);
}

void COptionsDlg::EnableSaveControls()
{
    const bool enabled = m_save != 0;
    m_ui->saveFolderEdit->setEnabled(enabled);
    m_ui->browseFolderButton->setEnabled(enabled);
    m_ui->leaveCheck->setEnabled(enabled);
    m_ui->overwriteCheck->setEnabled(enabled);
    m_ui->formatLabel->setEnabled(enabled);
    m_ui->formatCombo->setEnabled(enabled);
}

void COptionsDlg::OnApplyTemplate()
{
    UpdateData(true);
    EnableTemplateControls();
}

void COptionsDlg::OnSavePresentations()
{
    UpdateData(true);
    EnableSaveControls();
    // Without saving, the presentation would be lost if it were closed, so
    // it stays open; the box shows that while it is disabled.
    if (m_save == 0) {
        m_leave = 1;
        UpdateData(false);
    }
}

void COptionsDlg::OnBrowseTemplate()
{
    // Only the template box changes, so nothing typed elsewhere is lost.
    if (const auto path = m_pickers.PickTemplateFile(this)) {
        m_templateFile = path->toStdString();
        m_ui->templateFileEdit->setText(*path);
    }
}

void COptionsDlg::OnBrowseFolder()
{
    if (const auto folder = m_pickers.PickSaveFolder(this)) {
        m_saveFolder = folder->toStdString();
        m_ui->saveFolderEdit->setText(*folder);
    }
}

void COptionsDlg::accept()
{
    UpdateData(true);
    QDialog::accept();
}
