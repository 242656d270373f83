// SPDX-License-Identifier: MIT
#pragma once

#include "PresentationOptions.h"

#include <QDialog>
#include <cstdint>
#include <memory>
#include <string>

class IFilePickers;
class QCheckBox;

namespace Ui {
class COptionsDlg;
}

// Edits a copy of the seven options and the file format. The caller fills the values, runs the
// dialog, and takes the values back only when DoModal gives IDOK.
class COptionsDlg final : public QDialog
{
    Q_OBJECT

public:
    explicit COptionsDlg(IFilePickers& pickers, QWidget* parent = nullptr);
    ~COptionsDlg() override;

    int DoModal();

    std::int32_t m_template = 0;
    std::string m_templateFile;
    std::int32_t m_close = 0;
    std::int32_t m_save = 0;
    std::string m_saveFolder;
    std::int32_t m_leave = 0;
    std::int32_t m_overwrite = 0;
    PresentationFormat m_format = PresentationFormat::Ppt;

    // Reads the controls into the values (true) or shows the values (false).
    void UpdateData(bool saveAndValidate);

    void accept() override;

private:
    void OnInitDialog();
    void OnApplyTemplate();
    void OnSavePresentations();
    void OnBrowseTemplate();
    void OnBrowseFolder();
    void EnableTemplateControls();
    void EnableSaveControls();

    std::unique_ptr<Ui::COptionsDlg> m_ui;
    IFilePickers& m_pickers;
};

// How a flag and a check box trade values: 0 unchecked, 1 checked, 2 partly
// checked; a flag outside 0 to 2 is first set to 0, as the box cannot show it.
void ExchangeCheck(QCheckBox& box, std::int32_t& flag, bool saveAndValidate);
