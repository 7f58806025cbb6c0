#pragma once

#include <QColor>
#include <QString>

#include <cstdint>
#include <string>

// Small conversions the pages share.
namespace PrefsQt {

inline QString ToQt(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string FromQt(const QString& text)
{
    return text.toUtf8().toStdString();
}

// 0x00BBGGRR
inline QColor ToColor(std::uint32_t colour)
{
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

}  // namespace PrefsQt
