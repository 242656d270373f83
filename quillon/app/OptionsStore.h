#pragma once

#include "PresentationOptions.h"

#include <QSettings>
#include <QString>
#include <memory>

// The seven options in the per-user settings store, section "options".
// Reading fills in the defaults for what is missing; writing stores all seven.
class COptionsStore
{
public:
    // Settings of the organisation "Corvane" under the application's name.
    COptionsStore();
    // Settings kept elsewhere, for tests.
    explicit COptionsStore(QSettings& settings);
    COptionsStore(const COptionsStore&) = delete;
    COptionsStore& operator=(const COptionsStore&) = delete;
    ~COptionsStore();

    // currentDirectory stands in for the process's own when not empty.
    PresentationOptions LoadOptions(const QString& currentDirectory = {}) const;
    void SaveOptions(const PresentationOptions& options);

private:
    std::unique_ptr<QSettings> m_ownSettings;
    QSettings& m_settings;
};
