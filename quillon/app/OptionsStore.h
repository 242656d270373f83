// SPDX-License-Identifier: MIT
#pragma once

#include "PresentationOptions.h"
#include "TemplateForFormat.h"

#include <QSettings>
#include <QString>
#include <memory>

// The seven options and the file format ("ppt" or "pptx") in the per-user
// settings store, section "options". Reading fills in the defaults for what is
// missing; writing stores all eight.
//
// The default design template is the one the program ships: a program
// started from a menu runs in the home folder, where no template lies. Only
// when none is shipped does the default fall back to the current folder.
// The shipped design comes in both formats; the settings name its .pot, and
// a build takes the one of the format it writes (FitTemplateToFormat).
class COptionsStore
{
public:
    // Settings of the organisation "Corvane" under the application's name.
    COptionsStore();
    // Settings kept elsewhere, for tests, with the shipped templates.
    explicit COptionsStore(QSettings& settings);
    // The same with shipped templates of the caller's choosing; empty: none.
    COptionsStore(QSettings& settings, QString shippedTemplate,
                  QString shippedOpenXmlTemplate = {});
    COptionsStore(const COptionsStore&) = delete;
    COptionsStore& operator=(const COptionsStore&) = delete;
    ~COptionsStore();

    // currentDirectory stands in for the process's own when not empty.
    PresentationOptions LoadOptions(const QString& currentDirectory = {}) const;
    void SaveOptions(const PresentationOptions& options);
    // The .pot template the program ships; empty when none is.
    const QString& ShippedTemplate() const noexcept { return m_shippedTemplate; }
    // The shipped design in both formats.
    ShippedTemplates Shipped() const
    {
        return {m_shippedTemplate.toStdString(), m_shippedOpenXmlTemplate.toStdString()};
    }

private:
    std::unique_ptr<QSettings> m_ownSettings;
    QSettings& m_settings;
    QString m_shippedTemplate;
    QString m_shippedOpenXmlTemplate;
};
