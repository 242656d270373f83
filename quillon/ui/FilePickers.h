// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <optional>

class QWidget;

// The two pickers of the options dialog, behind a seam so tests can answer.
class IFilePickers
{
public:
    virtual ~IFilePickers() = default;
    // A design template to apply; nothing when the user cancels.
    virtual std::optional<QString> PickTemplateFile(QWidget* parent) = 0;
    // The folder that receives saved presentations; nothing when cancelled.
    virtual std::optional<QString> PickSaveFolder(QWidget* parent) = 0;
};

class CFileDialogPickers final : public IFilePickers
{
public:
    std::optional<QString> PickTemplateFile(QWidget* parent) override;
    std::optional<QString> PickSaveFolder(QWidget* parent) override;
};
