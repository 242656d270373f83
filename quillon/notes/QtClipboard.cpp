// SPDX-License-Identifier: MIT
#include "QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

bool IsTextFormat(ClipboardFormat format)
{
    return format == CF_TEXT || format == CF_OEMTEXT;
}

} // namespace

bool CQtClipboard::Open()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
        return false;
    m_clipboard = QGuiApplication::clipboard();
    return m_clipboard != nullptr;
}

void CQtClipboard::Close() noexcept
{
    m_clipboard = nullptr;
}

bool CQtClipboard::IsFormatAvailable(ClipboardFormat format) const
{
    if (m_clipboard == nullptr || !IsTextFormat(format))
        return false;
    const QMimeData* data = m_clipboard->mimeData(QClipboard::Clipboard);
    return data != nullptr && data->hasText();
}

std::optional<std::string> CQtClipboard::GetData(ClipboardFormat format) const
{
    if (!IsFormatAvailable(format))
        return std::nullopt;
    return m_clipboard->mimeData(QClipboard::Clipboard)->text().toStdString();
}
