// SPDX-License-Identifier: MIT
#pragma once

#include "NoteRefArray.h"
#include "PresentationBuilder.h"

#include <QDialog>
#include <QIcon>
#include <cstdint>
#include <functional>
#include <memory>

class COptionsStore;
class IClipboard;
class IDesktopOpener;
class IFilePickers;

namespace Ui {
class CQuillonDlg;
}

// What the main dialog needs of the world; the program passes the real
// services, tests pass doubles.
struct QuillonDlgServices
{
    IUserMessages& messages;
    const IFileSystem& fileSystem;
    COptionsStore& optionsStore;
    IFilePickers& pickers;
    IClipboard& clipboard;
    IDesktopOpener& desktop;
};

// The program's only window: the list of notes, Create, Options... and Help.
// The builder half (BuildPresentation and its state) is the base class.
class CQuillonDlg final : public QDialog, public CPresentationBuilder
{
    Q_OBJECT

public:
    explicit CQuillonDlg(QuillonDlgServices services, QWidget* parent = nullptr);
    ~CQuillonDlg() override;

    int DoModal();

    void OnCreatePresentation();
    void OnOptions();
    void OnShowHelp();
    void OnListDoubleClick();
    void OnListItemChanged();
    void OnListColumnClick(int column);

    std::int32_t SortColumn() const noexcept { return m_sortColumn; }
    bool SortAscending() const noexcept { return m_sortAscending; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool OnInitDialog();
    void AddClipboardRow();
    int SelectedRow() const;
    // Runs a handler as the framework's guard does: an automation error ends
    // the handler and is shown with the stop icon; the dialog stays usable.
    void RunGuarded(const std::function<void()>& handler);

    std::unique_ptr<Ui::CQuillonDlg> m_ui;
    QuillonDlgServices m_services;
    std::int32_t m_outlookAvailable = 0;
    CNoteRefArray m_noteRefs;
    std::int32_t m_sortColumn = -1;
    bool m_sortAscending = true;
    QIcon m_icon;
};
