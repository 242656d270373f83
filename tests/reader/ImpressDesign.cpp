// SPDX-License-Identifier: MIT
#include "ImpressDesign.h"

#include <QFile>
#include <QXmlStreamReader>
#include <map>
#include <stdexcept>

namespace {

struct StyleProperties
{
    std::map<QString, QString> values; // "fill-color", "font-family", ...
};

// Every named style with the attributes of its drawing-page, graphic and
// last text properties (a style's own text properties follow those of its
// list levels).
std::map<QString, StyleProperties> ReadStyles(QXmlStreamReader& xml, QString& masterName,
                                              QString& masterPageStyle)
{
    std::map<QString, StyleProperties> styles;
    QString current;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.name() == u"style" && xml.namespaceUri().endsWith(u"style:1.0")) {
            current.clear();
            for (const QXmlStreamAttribute& attribute : attributes) {
                if (attribute.name() == u"name")
                    current = attribute.value().toString();
            }
        } else if (xml.name() == u"master-page" && masterPageStyle.isEmpty()) {
            for (const QXmlStreamAttribute& attribute : attributes) {
                if (attribute.name() == u"style-name")
                    masterPageStyle = attribute.value().toString();
                else if (attribute.name() == u"name")
                    masterName = attribute.value().toString();
            }
        } else if (!current.isEmpty() &&
                   (xml.name() == u"drawing-page-properties" || xml.name() == u"text-properties")) {
            for (const QXmlStreamAttribute& attribute : attributes)
                styles[current].values[attribute.name().toString()] = attribute.value().toString();
        }
    }
    if (xml.hasError())
        throw std::runtime_error(xml.errorString().toStdString());
    return styles;
}

std::string Value(const std::map<QString, StyleProperties>& styles, const QString& style,
                  const QString& name)
{
    const auto found = styles.find(style);
    if (found == styles.end())
        return {};
    const auto value = found->second.values.find(name);
    return value == found->second.values.end() ? std::string() : value->second.toStdString();
}

} // namespace

ImpressDesign ReadImpressDesign(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot open " + path.toStdString());
    QXmlStreamReader xml(&file);
    QString masterName;
    QString masterPageStyle;
    const std::map<QString, StyleProperties> styles = ReadStyles(xml, masterName, masterPageStyle);
    if (masterPageStyle.isEmpty())
        throw std::runtime_error("no master page in " + path.toStdString());

    // A master's presentation styles are named after it: "<master>-title".
    const QString titleStyle = masterName + "-title";
    ImpressDesign design;
    if (Value(styles, masterPageStyle, "fill") == "solid")
        design.backgroundColor = Value(styles, masterPageStyle, "fill-color");
    design.titleFont = Value(styles, titleStyle, "font-family");
    if (design.titleFont.size() > 1 && design.titleFont.front() == '\'')
        design.titleFont = design.titleFont.substr(1, design.titleFont.size() - 2);
    design.titleColor = Value(styles, titleStyle, "color");
    design.titleBold = Value(styles, titleStyle, "font-weight") == "bold";
    return design;
}
