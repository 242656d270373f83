#include "ImpressDocument.h"

#include <QFile>
#include <QXmlStreamReader>
#include <stdexcept>

namespace {

class CImpressParser
{
public:
    explicit CImpressParser(QXmlStreamReader& xml) : m_xml(xml) {}

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
        } else if (name == u"draw:frame" && !m_inNotes && !m_pages.empty() &&
                   attributes.hasAttribute("presentation:class")) {
            m_pages.back().frames.push_back(
                {attributes.value("presentation:class").toString().toStdString(), {}});
            m_inFrame = true;
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

    QXmlStreamReader& m_xml;
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
