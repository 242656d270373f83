// SPDX-License-Identifier: MIT
#include "OptionsStore.h"

#include "InstallPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <limits>
#include <utility>

namespace {

const QString kSection = QStringLiteral("options");
const QString kPptxName = QStringLiteral("pptx");

std::int32_t ReadFlag(const QSettings& settings, const char* name, std::int32_t fallback)
{
    // A value that is missing or is no 32-bit number gives the default, as an
    // unreadable value does.
    bool ok = false;
    const qlonglong value = settings.value(QLatin1String(name)).toLongLong(&ok);
    if (!ok || value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        return fallback;
    return static_cast<std::int32_t>(value);
}

std::string ReadText(const QSettings& settings, const char* name, const QString& fallback)
{
    const QVariant value = settings.value(QLatin1String(name));
    const QString text = value.isValid() ? value.toString() : fallback;
    return text.toStdString();
}

QString FindShippedTemplate(const char* name = "quillon.pot")
{
    const auto shipped = FindDataFile(name);
    return shipped ? QString::fromStdString(shipped->string()) : QString();
}

} // namespace

COptionsStore::COptionsStore()
    : m_ownSettings(std::make_unique<QSettings>(QStringLiteral("Corvane"),
                                                QCoreApplication::applicationName())),
      m_settings(*m_ownSettings), m_shippedTemplate(FindShippedTemplate()),
      m_shippedOpenXmlTemplate(FindShippedTemplate("quillon.potx"))
{}

COptionsStore::COptionsStore(QSettings& settings)
    : COptionsStore(settings, FindShippedTemplate(), FindShippedTemplate("quillon.potx"))
{}

COptionsStore::COptionsStore(QSettings& settings, QString shippedTemplate,
                             QString shippedOpenXmlTemplate)
    : m_settings(settings), m_shippedTemplate(std::move(shippedTemplate)),
      m_shippedOpenXmlTemplate(std::move(shippedOpenXmlTemplate))
{}

COptionsStore::~COptionsStore() = default;

PresentationOptions COptionsStore::LoadOptions(const QString& currentDirectory) const
{
    m_settings.beginGroup(kSection);
    PresentationOptions options;
    options.m_template = ReadFlag(m_settings, "template", 1);
    options.m_close = ReadFlag(m_settings, "close", 0);
    options.m_leave = ReadFlag(m_settings, "leave", 1);
    options.m_overwrite = ReadFlag(m_settings, "overwrite", 0);
    options.m_save = ReadFlag(m_settings, "save", 0);
    const QString directory = currentDirectory.isEmpty() ? QDir::currentPath() : currentDirectory;
    options.m_saveFolder = ReadText(m_settings, "saveFolder", directory);
    // Without a shipped template: plain concatenation, so a root folder
    // gives a doubled separator.
    const QString templateDefault = m_shippedTemplate.isEmpty()
                                        ? directory + QStringLiteral("/quillon.pot")
                                        : m_shippedTemplate;
    options.m_templateFile = ReadText(m_settings, "templateFile", templateDefault);
    // Absent or unknown: the format settings from before the choice existed meant.
    options.m_format = m_settings.value(QStringLiteral("format")).toString() == kPptxName
                           ? PresentationFormat::Pptx
                           : PresentationFormat::Ppt;
    if (options.m_templateFile.empty()) {
        options.m_templateFile = templateDefault.toStdString();
        options.m_template = 1;
    }
    // With neither saving nor leaving, a Create would build a presentation
    // and drop it unseen. The options dialog never produces that pair (it
    // switches leaving on with saving off); older settings can hold it.
    if (options.m_save == 0 && options.m_leave == 0)
        options.m_leave = 1;
    m_settings.endGroup();
    return options;
}

void COptionsStore::SaveOptions(const PresentationOptions& options)
{
    m_settings.beginGroup(kSection);
    m_settings.setValue(QStringLiteral("template"), options.m_template);
    m_settings.setValue(QStringLiteral("close"), options.m_close);
    m_settings.setValue(QStringLiteral("leave"), options.m_leave);
    m_settings.setValue(QStringLiteral("overwrite"), options.m_overwrite);
    m_settings.setValue(QStringLiteral("save"), options.m_save);
    m_settings.setValue(QStringLiteral("saveFolder"), QString::fromStdString(options.m_saveFolder));
    m_settings.setValue(QStringLiteral("templateFile"),
                        QString::fromStdString(options.m_templateFile));
    m_settings.setValue(QStringLiteral("format"), options.m_format == PresentationFormat::Pptx
                                                      ? kPptxName
                                                      : QStringLiteral("ppt"));
    m_settings.endGroup();
    m_settings.sync();
}
