// Tables write characters that a text file cannot hold plainly: "\u0663" is that character,
// "{7*3}" three sevens, \r and \n line breaks.
#pragma once
#include <QRegularExpression>
#include <QString>

inline QString unescaped(const QString& text) {
    static const QRegularExpression code(QStringLiteral(R"(\\u(\w{4})|\{(.)\*(\d+)\}|\\r|\\n)"));
    QString out;
    qsizetype from = 0;
    for (const auto& m : code.globalMatch(text)) {
        out += text.mid(from, m.capturedStart() - from) +
               (m.hasCaptured(1) ? QString(QChar(m.captured(1).toUShort(nullptr, 16)))
                : m.hasCaptured(2) ? QString(m.captured(3).toInt(), m.captured(2)[0])
                                   : QString(m.captured() == "\\r" ? u'\r' : u'\n'));
        from = m.capturedEnd();
    }
    return out + text.mid(from);
}
