// SPDX-License-Identifier: MIT
#include "QuillonDlg.h"

#include "AutomationException.h"
#include "ClipboardNoteSource.h"
#include "ControlIds.h"
#include "DesktopOpener.h"
#include "NoteListColumns.h"
#include "NoteListView.h"
#include "OptionsDlg.h"
#include "OptionsStore.h"
#include "OutlookNoteSource.h"
#include "TemplateForFormat.h"
#include "ui_QuillonDlg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <exception>
#include <new>
#include <vector>

// The dialog's artwork lives in this library's resources, which a static
// library must load by name.
static void LoadDialogResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace {

QPixmap RenderPanel()
{
    QSvgRenderer renderer(QStringLiteral(":/quillon/panel.svg"));
    QPixmap panel(176, 239);
    panel.fill(Qt::transparent);
    QPainter painter(&panel);
    renderer.render(&painter);
    return panel;
}

// Keeps the wait cursor up while a build runs, and takes it down however the
// build ends.
class CWaitCursor
{
public:
    CWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CWaitCursor() { QApplication::restoreOverrideCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};

// The template one build applies, as FitTemplateToFormat chose it; the
// options themselves stay as the user chose them.
class CTemplateForBuild
{
public:
    CTemplateForBuild(PresentationOptions& options, const TemplateChoice& choice)
        : m_options(options), m_kept(options.m_template), m_keptFile(options.m_templateFile)
    {
        if (choice.kind == TemplateForFormat::LeftOut)
            m_options.m_template = 0;
        else if (choice.kind == TemplateForFormat::Shipped)
            m_options.m_templateFile = choice.file;
    }
    ~CTemplateForBuild()
    {
        m_options.m_template = m_kept;
        m_options.m_templateFile = std::move(m_keptFile);
    }
    CTemplateForBuild(const CTemplateForBuild&) = delete;
    CTemplateForBuild& operator=(const CTemplateForBuild&) = delete;

private:
    PresentationOptions& m_options;
    std::int32_t m_kept;
    std::string m_keptFile;
};

} // namespace

CQuillonDlg::CQuillonDlg(QuillonDlgServices services, QWidget* parent)
    : QDialog(parent), CPresentationBuilder(services.messages, services.fileSystem),
      m_ui(std::make_unique<Ui::CQuillonDlg>()), m_services(services)
{
    LoadDialogResources();
    m_options = m_services.optionsStore.LoadOptions();
    m_ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    m_ui->pictureLabel->setPixmap(RenderPanel());
    m_ui->noteList->setProperty("controlId", IDC_NOTE_LIST);
    m_ui->createButton->setProperty("controlId", IDC_CREATE);
    m_ui->optionsButton->setProperty("controlId", IDC_OPTIONS);
    m_ui->helpButton->setProperty("controlId", IDC_HELP_BUTTON);

    connect(m_ui->createButton, &QPushButton::clicked, this, &CQuillonDlg::OnCreatePresentation);
    connect(m_ui->optionsButton, &QPushButton::clicked, this, &CQuillonDlg::OnOptions);
    connect(m_ui->helpButton, &QPushButton::clicked, this, &CQuillonDlg::OnShowHelp);
    connect(m_ui->noteList, &QTreeWidget::itemDoubleClicked, this, &CQuillonDlg::OnListDoubleClick);
    connect(m_ui->noteList, &QTreeWidget::itemSelectionChanged, this,
            &CQuillonDlg::OnListItemChanged);
    connect(m_ui->noteList->header(), &QHeaderView::sectionClicked, this,
            &CQuillonDlg::OnListColumnClick);
    OnInitDialog();
}

CQuillonDlg::~CQuillonDlg() = default;

int CQuillonDlg::DoModal()
{
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

bool CQuillonDlg::OnInitDialog()
{
    m_icon = QIcon(QStringLiteral(":/quillon/quillon.svg"));
    setWindowIcon(m_icon);
    QTreeWidget& list = *m_ui->noteList;
    list.header()->setSectionsClickable(true);
    SizeNoteListColumns(list);
    // The application object lives until the list is complete; the notes
    // keep their own references after it.
    Outlook::Application outlook;
    CNoteListView view(list);
    bool listed = false;
    RunGuarded([&] {
        ListOutlookNotes(outlook, view, m_noteRefs, m_outlookAvailable);
        listed = true;
    });
    // As with any failed initialisation step, a failed listing leaves the
    // rest undone: no clipboard row and no selection.
    if (!listed)
        return true;
    AddClipboardRow();
    if (QTreeWidgetItem* first = list.topLevelItem(0)) {
        list.setCurrentItem(first);
        first->setSelected(true);
    }
    OnListItemChanged();
    list.setFocus();
    return true;
}

void CQuillonDlg::AddClipboardRow()
{
    CNoteListView view(*m_ui->noteList);
    const int row = view.InsertItem(kClipboardRowText);
    view.SetItemData(row, ClipboardItemData);
}

int CQuillonDlg::SelectedRow() const
{
    const QList<QTreeWidgetItem*> selected = m_ui->noteList->selectedItems();
    if (selected.isEmpty())
        return -1;
    return m_ui->noteList->indexOfTopLevelItem(selected.constFirst());
}

void CQuillonDlg::RunGuarded(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const CAutomationException& error) {
        m_services.messages.ShowMessage(error.ErrorText(), MB_ICONSTOP);
    } catch (const std::bad_alloc&) {
        // Not an internal error: the application object says so and ends.
        throw;
    } catch (const std::exception&) {
        m_services.messages.ShowMessage("Internal application error.", MB_ICONSTOP);
    }
}

void CQuillonDlg::OnCreatePresentation()
{
    RunGuarded([this] {
        const int row = SelectedRow();
        if (row < 0)
            return;
        const int itemData = CNoteListView::ItemData(*m_ui->noteList, row);
        std::string text;
        if (itemData == ClipboardItemData) {
            std::optional<std::string> note =
                ReadClipboardNote(m_services.clipboard, m_services.messages);
            if (!note)
                return;
            text = std::move(*note);
        } else {
            text = GetNoteBody(m_noteRefs.GetAt(itemData));
        }
        const TemplateChoice design =
            FitTemplateToFormat(m_options, m_services.optionsStore.Shipped());
        if (design.kind == TemplateForFormat::Refused) {
            m_services.messages.ShowMessage(
                TemplateRefusedText(m_options.m_templateFile, m_options.m_format), MB_ICONSTOP);
            return;
        }
        {
            const CTemplateForBuild forBuild(m_options, design);
            const CWaitCursor waitCursor;
            BuildPresentation(std::move(text));
        }
        if (m_options.m_close != 0) {
            m_services.optionsStore.SaveOptions(m_options);
            done(QDialog::Accepted);
        }
    });
}

void CQuillonDlg::OnListDoubleClick()
{
    OnCreatePresentation();
}

void CQuillonDlg::OnListItemChanged()
{
    m_ui->createButton->setEnabled(SelectedRow() >= 0);
}

void CQuillonDlg::OnListColumnClick(int column)
{
    if (column == m_sortColumn) {
        m_sortAscending = !m_sortAscending;
    } else {
        m_sortColumn = column;
        m_sortAscending = true;
    }
    RunGuarded([this] {
        QTreeWidget& list = *m_ui->noteList;
        std::vector<QTreeWidgetItem*> rows;
        std::vector<int> itemData;
        for (int row = 0; row < list.topLevelItemCount(); ++row) {
            rows.push_back(list.topLevelItem(row));
            itemData.push_back(CNoteListView::ItemData(list, row));
        }
        // The order is worked out first and only then applied, so a failed
        // read leaves the list as it was.
        const std::vector<std::size_t> order =
            SortNoteRows(itemData, m_sortColumn, m_sortAscending, m_noteRefs);
        list.setUpdatesEnabled(false);
        QTreeWidgetItem* current = list.currentItem();
        while (list.topLevelItemCount() > 0)
            list.takeTopLevelItem(0);
        for (const std::size_t position : order)
            list.addTopLevelItem(rows[position]);
        list.setCurrentItem(current);
        list.setUpdatesEnabled(true);
    });
}

void CQuillonDlg::OnOptions()
{
    COptionsDlg dialog(m_services.pickers, this);
    dialog.m_template = m_options.m_template;
    dialog.m_leave = m_options.m_leave;
    dialog.m_close = m_options.m_close;
    dialog.m_save = m_options.m_save;
    dialog.m_overwrite = m_options.m_overwrite;
    dialog.m_saveFolder = m_options.m_saveFolder;
    dialog.m_templateFile = m_options.m_templateFile;
    dialog.m_format = m_options.m_format;
    if (dialog.DoModal() != IDOK)
        return;
    m_options.m_template = dialog.m_template;
    m_options.m_leave = dialog.m_leave;
    m_options.m_close = dialog.m_close;
    m_options.m_save = dialog.m_save;
    m_options.m_overwrite = dialog.m_overwrite;
    m_options.m_saveFolder = dialog.m_saveFolder;
    m_options.m_templateFile = dialog.m_templateFile;
    m_options.m_format = dialog.m_format;
}

void CQuillonDlg::OnShowHelp()
{
    // Without help pages or a viewer there is nothing to show, and nothing
    // is said about it.
    const QUrl page = HelpPageUrl();
    if (!page.isEmpty())
        m_services.desktop.OpenUrl(page);
}

void CQuillonDlg::closeEvent(QCloseEvent* event)
{
    m_services.optionsStore.SaveOptions(m_options);
    QDialog::closeEvent(event);
}
