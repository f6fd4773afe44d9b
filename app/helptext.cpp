#include "helptext.h"

#include "codegen/exportformats.h"

#include <QStringList>
#include <algorithm>
#include <utility>

namespace tintmill {

namespace {

// Columns a terminal gives the character: two for the East Asian wide and
// full-width ones, which is every Japanese character but half-width katakana.
int columnsOf(char32_t c)
{
    const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) ||
                      (c >= 0x3041 && c <= 0x33FF) || (c >= 0x3400 && c <= 0x4DBF) ||
                      (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF) ||
                      (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
                      (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
                      (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
    return wide ? 2 : 1;
}

int displayWidth(const QString &text)
{
    int width = 0;
    for (const char32_t c : text.toUcs4())
        width += columnsOf(c);
    return width;
}

// One row of a two-column table: a term and what it means, the meaning on
// as many lines as it takes.
using Row = std::pair<QString, QStringList>;

QString table(const QList<Row> &rows)
{
    int termWidth = 0;
    for (const Row &row : rows)
        termWidth = std::max(termWidth, displayWidth(row.first));
    const QString indent(2 + termWidth + 2, u' ');
    QString text;
    for (const auto &[term, meaning] : rows) {
        text += QStringLiteral("  ") + term + QString(termWidth - displayWidth(term) + 2, u' ') +
                meaning.value(0) + u'\n';
        for (qsizetype line = 1; line < meaning.size(); ++line)
            text += indent + meaning.at(line) + u'\n';
    }
    return text;
}

QString usageLines()
{
    return QStringLiteral("使い方: tintmill --export %1 [--dark ダーク.iro] [-o 出力ファイル]"
                          " 色設定ファイル\n"
                          "        tintmill --check [--dark ダーク.iro] 色設定ファイル.iro\n")
        .arg(exportFormatNames().join(u'|'));
}

} // namespace

QString usageText()
{
    return usageLines() + QStringLiteral("詳しくは tintmill --help\n");
}

QString helpText()
{
    QList<Row> formats;
    for (const ExportFormatInfo &info : exportFormats())
        formats.append({QString::fromLatin1(info.name), {QString::fromUtf8(info.label)}});

    return usageLines() +
           QStringLiteral("\n"
                          "ウェブページの色を選ぶ Tintmill。引数なしか、色設定ファイル"
                          "の名前だけで起動するとウィンドウが開きます。\n"
                          "オプションをつけると、ウィンドウを開かずに色設定ファイルを"
                          "書き出すか調べます。\n"
                          "\n"
                          "オプション:\n") +
           table({
               {QStringLiteral("--export <形式>"),
                {QStringLiteral("色設定ファイルを <形式> で書き出します（下の「形式」）。")}},
               {QStringLiteral("-o, --output <出力ファイル>"),
                {QStringLiteral("標準出力ではなく <出力ファイル> に書き出します"),
                 QStringLiteral("（まるごと書くか、何も書きません）。")}},
               {QStringLiteral("--dark <ダーク.iro>"),
                {QStringLiteral("ダークの配色のページの色を <ダーク.iro> から読み、"),
                 QStringLiteral("色設定ファイル（.iro）をライトの配色として、"),
                 QStringLiteral("両方を書き出すか調べます。")}},
               {QStringLiteral("--check"),
                {QStringLiteral("ページの色設定ファイル（.iro）の読みやすさ"),
                 QStringLiteral("（WCAG 2のコントラスト比）を表にします。")}},
               {QStringLiteral("-h, --help"), {QStringLiteral("このヘルプを表示します。")}},
               {QStringLiteral("-v, --version"), {QStringLiteral("バージョンを表示します。")}},
           }) +
           QStringLiteral("\n引数:\n") +
           table({{QStringLiteral("色設定ファイル"),
                   {QStringLiteral("ページの色（.iro）かスクロールバーの色（.scb）の"
                                   "ファイル。")}}}) +
           QStringLiteral("\n形式:\n") + table(formats) + QStringLiteral("\n終了ステータス:\n") +
           table({
               {QStringLiteral("0"), {QStringLiteral("うまくいきました。")}},
               {QStringLiteral("1"), {QStringLiteral("--check で、AAに届かない行があります。")}},
               {QStringLiteral("2"),
                {QStringLiteral("使い方の誤り（知らないオプションや形式、"
                                "ファイルの指定がないなど）。")}},
               {QStringLiteral("3"),
                {QStringLiteral("ファイルがないか読めないか色設定ファイル"
                                "でない、または書き出せませんでした。")}},
           });
}

} // namespace tintmill
