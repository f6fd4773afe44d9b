#include "helptext.h"

#include "codegen/exportformats.h"
#include "commands.h"
#include "textcolumns.h"

#include <QStringList>
#include <algorithm>
#include <utility>

namespace tintmill {

namespace {

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

// A command as typed, and under it what it does.
QString examples(const QList<std::pair<QString, QString>> &commands)
{
    QString text;
    for (const auto &[command, what] : commands)
        text += QStringLiteral("  %1\n      %2\n").arg(command, what);
    return text;
}

QString usageLines()
{
    return QStringLiteral("使い方: tintmill --export %1 [--dark ダーク.iro]\n"
                          "                 [--scheme light|dark] [-o 出力ファイル] 色のファイル\n"
                          "        tintmill --check [--dark ダーク.iro] [--scheme light|dark]"
                          " 色のファイル\n"
                          "        tintmill --nearest 色...\n"
                          "        tintmill --make-dark [-o ダーク.iro] 色のファイル\n"
                          "        tintmill [色のファイル...]\n")
        .arg((exportFormatNames() << pageColorFileFormat).join(u'|'));
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
    formats.append({pageColorFileFormat,
                    {QStringLiteral("ページの色設定ファイル（.iro、ウィンドウの保存と同じ）。"),
                     QStringLiteral("配色は一つだけ書けるので、ライトの配色を書き出します"),
                     QStringLiteral("（--scheme dark でダークの配色）。")}});

    return usageLines() +
           QStringLiteral("\n"
                          "ウェブページの色を216色のWebセーフカラーから選ぶ Tintmill。"
                          "引数なしか、\n"
                          "色のファイルの名前だけで起動するとウィンドウが開き、"
                          "色設定ファイルを開き、\n"
                          "パレットのファイルの色を読み込みます。オプションをつけると、"
                          "ウィンドウを\n"
                          "開かずに、色を書き出すか調べ、近いWebセーフ色を探し、"
                          "ダークの配色を作ります。\n"
                          "画面のない環境でも動きます。\n"
                          "\n"
                          "オプション:\n") +
           table({
               {QStringLiteral("--export <形式>"),
                {QStringLiteral("色のファイルの色を <形式> で書き出します"),
                 QStringLiteral("（下の「形式」）。")}},
               {QStringLiteral("-o, --output <出力ファイル>"),
                {QStringLiteral("標準出力ではなく <出力ファイル> に書き出します"),
                 QStringLiteral("（まるごと書くか、何も書きません）。")}},
               {QStringLiteral("--dark <ダーク.iro>"),
                {QStringLiteral("ダークのページの色を <ダーク.iro> から読み、"),
                 QStringLiteral("色のファイルのページの色をライトの配色として、"),
                 QStringLiteral("両方を書き出すか調べます。")}},
               {QStringLiteral("--scheme <light|dark>"),
                {QStringLiteral("ライトとダークの配色があるとき（--dark か、"),
                 QStringLiteral("両方を持つパレットのファイル）、その一方だけを"),
                 QStringLiteral("書き出すか調べます。")}},
               {QStringLiteral("--check"),
                {QStringLiteral("ページの色（.iro かパレット）の読みやすさ"),
                 QStringLiteral("（WCAG 2のコントラスト比）を表にします。")}},
               {QStringLiteral("--nearest <色>..."),
                {QStringLiteral("CSSの色ごとに、読み取った色（#RRGGBB）と、"),
                 QStringLiteral("近いWebセーフ色4つを CIEDE2000 の色差とともに"),
                 QStringLiteral("近い順に表示します。sRGBの外の色は sRGB に"),
                 QStringLiteral("収めてから探し、そう書き添えます。")}},
               {QStringLiteral("--make-dark"),
                {QStringLiteral("ページの色（.iro かパレット）から、"),
                 QStringLiteral("「ダークを作る」と同じダークの配色を、"),
                 QStringLiteral("すべての行を表示するものとして作り、"),
                 QStringLiteral("ページの色設定ファイルとして書き出します。"),
                 QStringLiteral("説明は元の説明に「（ダーク）」をつけたものです。")}},
               {QStringLiteral("-h, --help"), {QStringLiteral("このヘルプを表示します。")}},
               {QStringLiteral("-v, --version"), {QStringLiteral("バージョンを表示します。")}},
           }) +
           QStringLiteral("\n引数:\n") +
           table({{QStringLiteral("色のファイル"),
                   {QStringLiteral(
                        "色設定ファイル：ページの色（.iro）かスクロールバーの色（.scb）。"),
                    QStringLiteral("パレットのファイル：CSS（.css）、SCSS（.scss）、"),
                    QStringLiteral("デザイントークン（.tokens.json、.tokens、.json）、"),
                    QStringLiteral("GIMPパレット（.gpl）。上の「形式」で書き出したものも、"),
                    QStringLiteral("ほかで作ったものも読みます。ページの色はライトだけか"),
                    QStringLiteral("ライトとダークの両方、スクロールバーの色もあれば読みます。"),
                    QStringLiteral("Webセーフ色でない色は、いちばん近いWebセーフ色"),
                    QStringLiteral("（CIEDE2000）にして、そのことを標準エラー出力に書きます。"),
                    QStringLiteral("ファイルにないページの色は、ウィンドウの起動時の色です。")}},
                  {QStringLiteral("色"),
                   {QStringLiteral("CSSの色：#1da1f2、rgb()、hsl()、oklch()、"
                                   "color(display-p3 …)、"),
                    QStringLiteral("色の名前（steelblue など）。")}}}) +
           QStringLiteral("\n形式:\n") + table(formats) + QStringLiteral("\n終了ステータス:\n") +
           table({
               {QStringLiteral("0"), {QStringLiteral("うまくいきました。")}},
               {QStringLiteral("1"), {QStringLiteral("--check で、AAに届かない行があります。")}},
               {QStringLiteral("2"),
                {QStringLiteral("使い方の誤り（知らないオプションや形式、ファイルの指定が"),
                 QStringLiteral("ない、色のファイルの名前でない、CSSの色でないなど）。")}},
               {QStringLiteral("3"),
                {QStringLiteral("ファイルがないか読めないか、色を読み取れない、"),
                 QStringLiteral("または書き出せませんでした。何も書き出していません。")}},
           }) +
           QStringLiteral("\n例:\n") +
           examples({
               {QStringLiteral("tintmill --export css summer.iro"),
                QStringLiteral("CSS を標準出力に書き出します。")},
               {QStringLiteral("tintmill --export tokens -o colors.tokens.json summer.iro"),
                QStringLiteral("デザイントークンをファイルに書き出します。")},
               {QStringLiteral("tintmill --check summer.iro"),
                QStringLiteral(
                    "読みやすさを調べます。CI では、AAに届かない行があると失敗します。")},
               {QStringLiteral("tintmill --make-dark -o night.iro summer.iro"),
                QStringLiteral("summer.iro のダークの配色を night.iro に作ります。")},
               {QStringLiteral("tintmill --export css --dark night.iro summer.iro"),
                QStringLiteral("ライトとダークの両方の配色を、一つの CSS に書き出します。")},
               {QStringLiteral("tintmill --check --dark night.iro summer.iro"),
                QStringLiteral("両方の配色を調べます。どちらかが届かなければ失敗します。")},
               {QStringLiteral("tintmill --export css palette.tokens.json"),
                QStringLiteral("デザイントークンの色を CSS にします。ライトとダークが"
                               "あれば両方とも。")},
               {QStringLiteral("tintmill --export iro --scheme dark -o night.iro palette.css"),
                QStringLiteral("CSS のダークの配色を、ページの色設定ファイルにします。")},
               {QStringLiteral("tintmill --nearest '#1da1f2' 'color(display-p3 0 1 0)'"),
                QStringLiteral("それぞれの色に近いWebセーフ色を表示します。")},
               {QStringLiteral("tintmill palette.tokens.json"),
                QStringLiteral("ウィンドウを開き、パレットの色を読み込みます"
                               "（元に戻すで一度に戻せます）。")},
           });
}

} // namespace tintmill
