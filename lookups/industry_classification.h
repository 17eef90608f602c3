#pragma once

// The national industry classification GB/T 4754—2002, stored with the
// program as the published table (section, division, group, class) and
// laid out as the search window keeps it: a header, then each section's
// heading and code lines, every line ended by CR LF.

#include <QString>
#include <QStringList>
#include <optional>

namespace corvalen {

class IndustryClassification
{
public:
    // The classification built in.
    static const IndustryClassification &builtIn();
    // Builds the layout from the table's rows (level, code, name; tab-
    // separated, with a heading row). Throws DataFileFailure on a malformed
    // row.
    static IndustryClassification fromTable(const QString &table);

    // The whole text: the 58-character header, then the sections.
    const QString &text() const { return m_text; }
    // The lines after the header, each with its trailing CR: the items of
    // the keyword search.
    const QStringList &lines() const { return m_lines; }

    // The section of letter `letter`: its heading and code lines, each
    // with its CR LF; empty for a letter that heads no section.
    QString section(QChar letter) const;

    // The window's result texts.
    QString sectionResult(QChar letter) const;
    QString keywordResult(const QString &keyword) const;

private:
    QString m_text;
    QStringList m_lines;
};

// The first lines of every result.
QString classificationResultHeader();

} // namespace corvalen
