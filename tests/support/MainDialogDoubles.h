// SPDX-License-Identifier: MIT
#pragma once

#include "DesktopOpener.h"
#include "FilePickers.h"

#include <QUrl>
#include <optional>
#include <vector>

// The main dialog's pickers and desktop for tests that open it with nobody at
// the screen: every picker is cancelled, and the desktop opens whatever it is
// asked to and remembers what that was.
class CNoPickers final : public IFilePickers
{
public:
    std::optional<QString> PickTemplateFile(QWidget*) override { return std::nullopt; }
    std::optional<QString> PickSaveFolder(QWidget*) override { return std::nullopt; }
};

class CRecordingDesktop final : public IDesktopOpener
{
public:
    bool OpenUrl(const QUrl& url) override
    {
        opened.push_back(url);
        return true;
    }
    std::vector<QUrl> opened;
};
