// SPDX-License-Identifier: MIT
#include "ImpressDocument.h"

#include <QFile>
#include <QXmlStreamReader>
#include <map>
#include <stdexcept>

namespace {

using StyleMap = std::map<QString, QString>;

// Presentation style name to the class of the master frame that uses it.
StyleMap MasterFrameClasses(const QByteArray& stylesXml)
{
    StyleMap classes;
    QXmlStreamReader xml(stylesXml);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement ||
            xml.qualifiedName() != u"draw:frame")
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (attributes.hasAttribute("presentation:class"))
            classes[attributes.value("presentation:style-name").toString()] =
                attributes.value("presentation:class").toString();
    }
    if (xml.hasError())
        throw std::runtime_error(xml.errorString().toStdString());
    return classes;
}

class CImpressParser
{
public:
    explicit CImpressParser(QXmlStreamReader& xml, StyleMap masterClasses = {})
        : m_xml(xml), m_masterClasses(std::move(masterClasses))
    {}

    std::vector<ImpressPage> Parse()
    {
        while (!m_xml.atEnd()) {
            m_xml.readNext();
            if (m_xml.isStartElement())
                OnStart();
            else if (m_xml.isEndElement())
                OnEnd();
            else if (m_xml.isCharacters() && m_inParagraph)
                m_text += m_xml.text().toString();
        }
        if (m_xml.hasError())
            throw std::runtime_error(m_xml.errorString().toStdString());
        return m_pages;
    }

private:
    void OnStart()
    {
        const QStringView name = m_xml.qualifiedName();
        const QXmlStreamAttributes attributes = m_xml.attributes();
        if (name == u"draw:page") {
            m_pages.push_back({attributes.value("presentation:presentation-page-layout-name")
                                   .toString()
                                   .toStdString(),
                               {}});
        } else if (name == u"presentation:notes") {
            m_inNotes = true;
        } else if (name == u"style:style" && attributes.value("style:family") == u"presentation") {
            m_parentStyles[attributes.value("style:name").toString()] =
                attributes.value("style:parent-style-name").toString();
        } else if (name == u"draw:frame" && !m_inNotes && !m_pages.empty()) {
            const QString frameClass = ClassOf(attributes);
            if (!frameClass.isEmpty()) {
                m_pages.back().frames.push_back({frameClass.toStdString(), {}});
                m_inFrame = true;
            }
        } else if (name == u"text:list" && m_inFrame) {
            ++m_listDepth;
        } else if (name == u"text:p" && m_inFrame) {
            m_inParagraph = true;
            m_text.clear();
        } else if (name == u"text:s" && m_inParagraph) {
            const int count =
                attributes.hasAttribute("text:c") ? attributes.value("text:c").toInt() : 1;
            m_text += QString(count, u' ');
        } else if (name == u"text:tab" && m_inParagraph) {
            m_text += u'\t';
        } else if (name == u"text:line-break" && m_inParagraph) {
            m_text += u'\n';
        }
    }

    void OnEnd()
    {
        const QStringView name = m_xml.qualifiedName();
        if (name == u"presentation:notes") {
            m_inNotes = false;
        } else if (name == u"draw:frame" && m_inFrame && !m_inNotes) {
            m_inFrame = false;
            m_listDepth = 0;
        } else if (name == u"text:list" && m_inFrame) {
            --m_listDepth;
        } else if (name == u"text:p" && m_inParagraph) {
            m_inParagraph = false;
            m_pages.back().frames.back().paragraphs.push_back(
                {m_text.toStdString(), m_listDepth < 1 ? 1 : m_listDepth});
        }
    }

    // A frame that no longer is a placeholder keeps its class through the
    // master frame its style derives from.
    QString ClassOf(const QXmlStreamAttributes& attributes) const
    {
        if (attributes.hasAttribute("presentation:class"))
            return attributes.value("presentation:class").toString();
        QString style = attributes.value("presentation:style-name").toString();
        for (int depth = 0; depth < 8 && !style.isEmpty(); ++depth) {
            const auto master = m_masterClasses.find(style);
            if (master != m_masterClasses.end())
                return master->second;
            const auto parent = m_parentStyles.find(style);
            style = parent == m_parentStyles.end() ? QString() : parent->second;
        }
        return {};
    }

    QXmlStreamReader& m_xml;
    const StyleMap m_masterClasses;
    StyleMap m_parentStyles;
    std::vector<ImpressPage> m_pages;
    bool m_inNotes = false;
    bool m_inFrame = false;
    bool m_inParagraph = false;
    int m_listDepth = 0;
    QString m_text;
};

} // namespace

std::vector<ImpressPage> ReadImpressDocument(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot open " + path.toStdString());
    QXmlStreamReader xml(&file);
    return CImpressParser(xml).Parse();
}

std::vector<ImpressPage> ReadImpressContent(const QByteArray& contentXml,
                                            const QByteArray& stylesXml)
{
    QXmlStreamReader xml(contentXml);
    return CImpressParser(xml, MasterFrameClasses(stylesXml)).Parse();
}
