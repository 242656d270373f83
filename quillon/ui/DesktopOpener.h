// SPDX-License-Identifier: MIT
#pragma once

#include <QUrl>

// The desktop's open action, through which the help pages are shown.
class IDesktopOpener
{
public:
    virtual ~IDesktopOpener() = default;
    // False when the desktop could not open the address.
    virtual bool OpenUrl(const QUrl& url) = 0;
};

class CDesktopOpener final : public IDesktopOpener
{
public:
    bool OpenUrl(const QUrl& url) override;
};

// The address of the shipped help, or an empty one when it is not there.
QUrl HelpPageUrl();
