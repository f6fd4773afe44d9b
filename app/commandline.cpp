#include "commandline.h"

#include "codegen/colorexport.h"
#include "core/product.h"
#include "core/readability.h"
#include "editor/readabilitytexts.h"
#include "files/colorfileformat.h"
#include "platform/fileread.h"
#include "platform/filewrite.h"
#include "tintmill_version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>
#include <optional>

namespace tintmill {

namespace {

void write(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
}

const char usage[] =
    "使い方: tintmill --export css|scss|tokens|gpl [-o 出力ファイル] 色設定ファイル\n"
    "        tintmill --check 色設定ファイル.iro\n"
    "詳しくは tintmill --help\n";

int badUse(const QString &problem)
{
    write(stderr, QStringLiteral("tintmill: %1\n").arg(problem) + QString::fromUtf8(usage));
    return exitstatus::badUse;
}

int badFile(const QString &path, const QString &reason)
{
    write(stderr, QStringLiteral("tintmill: %1: %2\n").arg(path, reason));
    return exitstatus::badFile;
}

struct ReadColorFile
{
    ColorFileKind kind = ColorFileKind::Page;
    colorfile::FileContent content;
    QString problem; // why it could not be used; empty when it can
};

std::optional<ColorFileKind> kindOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    if (suffix == QLatin1String("iro"))
        return ColorFileKind::Page;
    if (suffix == QLatin1String("scb"))
        return ColorFileKind::Scrollbar;
    return std::nullopt;
}

ReadColorFile readColorFileAt(const QString &path, ColorFileKind kind)
{
    ReadColorFile file;
    file.kind = kind;
    const ReadResult read = readRegularFile(path, colorfile::readLimit);
    switch (read.status) {
    case ReadStatus::Read:
        break;
    case ReadStatus::Missing:
        file.problem = QStringLiteral("ファイルがありません。");
        return file;
    case ReadStatus::Unreadable:
        file.problem =
            QStringLiteral("ファイルを読めません（読む権限がないか、読み込みに失敗しました）。");
        return file;
    case ReadStatus::NotRegular:
        file.problem = QStringLiteral("普通のファイルではありません。");
        return file;
    case ReadStatus::TooLarge:
        file.problem = QStringLiteral("色設定ファイルにしては大きすぎます。");
        return file;
    }
    file.content = colorfile::readColorFile(kind, read.bytes);
    switch (file.content.outcome) {
    case colorfile::ReadOutcome::Valid:
        break;
    case colorfile::ReadOutcome::Invalid:
        file.problem = QStringLiteral("このファイルは「Tintmill」ではつかまえられないファイルです。"
                                      "（「#」のあとに、ウェブセーフカラー8色の48文字が要ります）");
        break;
    case colorfile::ReadOutcome::Unreadable:
        file.problem = QStringLiteral("スクロールバーの色設定ファイルの形ではありません"
                                      "（空か、チェックの行が8行より多くあります）。");
        break;
    }
    return file;
}

std::array<ColorNumber, roleCount> colorsOf(const QString &data)
{
    std::array<ColorNumber, roleCount> colors{};
    for (int k = 0; k < roleCount; ++k)
        colors.at(k) = HexToColor(data.mid(qsizetype{6} * k, 6).toStdString());
    return colors;
}

ExportColors exportColorsOf(const ReadColorFile &file)
{
    ExportColors colors;
    colors.description = file.content.description;
    if (file.kind == ColorFileKind::Page) {
        colors.page = colorsOf(file.content.data);
        return colors;
    }
    ScrollbarColorSet set;
    set.colors = colorsOf(file.content.data);
    for (int k = 0; k < roleCount; ++k) {
        set.captions.at(k) = u'#' + file.content.data.mid(qsizetype{6} * k, 6);
        // A box without its line is off, as every box is at start-up.
        set.enabled.at(k) = file.content.checks.at(static_cast<size_t>(k)).value_or(false);
    }
    colors.scrollbar = set;
    return colors;
}

int exportFile(ExportFormat format, const QString &path, const QString &output)
{
    const std::optional<ColorFileKind> kind = kindOf(path);
    if (!kind)
        return badFile(path, QStringLiteral("色設定ファイル（.iro か .scb）ではありません。"));
    const ReadColorFile file = readColorFileAt(path, *kind);
    if (!file.problem.isEmpty())
        return badFile(path, file.problem);
    const QString text = exportText(format, exportColorsOf(file));
    if (output.isEmpty()) {
        write(stdout, text);
        return exitstatus::ok;
    }
    const WriteResult written =
        writeFileAtomically(output, text.toUtf8(), WritePolicy::FollowLinks, WriteSync::ToDisk);
    if (!written.ok())
        return badFile(output,
                       QStringLiteral("書き出せませんでした。") + writeFailureText(written));
    return exitstatus::ok;
}

int checkFile(const QString &path)
{
    if (kindOf(path) != ColorFileKind::Page)
        return badUse(
            QStringLiteral("--check で調べられるのはページの色設定ファイル（.iro）です：%1")
                .arg(path));
    const ReadColorFile file = readColorFileAt(path, ColorFileKind::Page);
    if (!file.problem.isEmpty())
        return badFile(path, file.problem);

    ReadabilityInput input;
    input.colors = colorsOf(file.content.data);
    for (auto &block : input.shown)
        block.fill(true);
    const ReadabilityReport report = checkReadability(input);

    QString table = QStringLiteral("%1\t%2\n").arg(path, file.content.description);
    table += QStringLiteral("行\tブロック\t文字色\t背景色\tコントラスト比\tレベル\n");
    int failing = 0;
    for (int line = 0; line < sampleLineCount; ++line) {
        for (int block = 0; block < previewBlockCount; ++block) {
            const ContrastCell &cell = report.cells.at(line).at(block);
            if (cell.level < ContrastLevel::AA)
                ++failing;
            table += QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\n")
                         .arg(readabilitytexts::lineName(line), readabilitytexts::blockName(block),
                              readabilitytexts::colorText(
                                  input.colors.at(toIndex(sampleLineRoles.at(line)))),
                              readabilitytexts::colorText(
                                  input.colors.at(toIndex(previewBlockRoles.at(block)))),
                              readabilitytexts::ratio(cell.ratio),
                              readabilitytexts::levelText(cell.level));
        }
    }
    table += failing == 0 ? QStringLiteral("すべての行がAAに届いています。\n")
                          : QStringLiteral("AAに届かないところが%1か所あります。\n").arg(failing);
    write(stdout, table);
    return failing == 0 ? exitstatus::ok : exitstatus::checkFailed;
}

} // namespace

int runCommandLine(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QString::fromLatin1(product::title));
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                                .arg(TINTMILL_VERSION_MAJOR)
                                                .arg(TINTMILL_VERSION_MINOR)
                                                .arg(TINTMILL_VERSION_PATCH));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "ウェブページの色を選ぶ Tintmill。引数なしで起動するとウィンドウが開きます。\n"
        "引数をつけると、ウィンドウを開かずに色設定ファイルを書き出すか調べます。"));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption exportOption(
        QStringLiteral("export"),
        QStringLiteral("色設定ファイルを <形式> で書き出します：css、scss、tokens（デザイントークン"
                       "のJSON）、gpl（GIMPパレット）。"),
        QStringLiteral("形式"));
    const QCommandLineOption outputOption(
        {QStringLiteral("o"), QStringLiteral("output")},
        QStringLiteral("標準出力ではなく <出力ファイル> に書き出します（まるごと書くか、何も書き"
                       "ません）。"),
        QStringLiteral("出力ファイル"));
    const QCommandLineOption checkOption(
        QStringLiteral("check"),
        QStringLiteral("ページの色設定ファイル（.iro）の読みやすさ（WCAG 2のコントラスト比）を"
                       "表にします。AAに届かない行があれば終了ステータス1。"));
    parser.addOptions({exportOption, outputOption, checkOption});
    parser.addPositionalArgument(
        QStringLiteral("色設定ファイル"),
        QStringLiteral("ページの色（.iro）かスクロールバーの色（.scb）のファイル。"));

    if (!parser.parse(QCoreApplication::arguments())) {
        const QStringList unknown = parser.unknownOptionNames();
        return badUse(unknown.isEmpty()
                          ? parser.errorText()
                          : QStringLiteral("知らないオプションです：%1").arg(unknown.join(u' ')));
    }
    // Qt's own options mean nothing here: --help-all shows the same help.
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        write(stdout, parser.helpText());
        return exitstatus::ok;
    }
    if (parser.isSet(version)) {
        write(stdout, QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                    QCoreApplication::applicationVersion()));
        return exitstatus::ok;
    }

    const QStringList files = parser.positionalArguments();
    const bool exporting = parser.isSet(exportOption);
    const bool checking = parser.isSet(checkOption);
    if (exporting == checking)
        return badUse(QStringLiteral("--export か --check のどちらか一つを指定してください。"));
    if (files.size() != 1)
        return badUse(QStringLiteral("色設定ファイルを一つ指定してください。"));
    if (checking) {
        if (parser.isSet(outputOption))
            return badUse(QStringLiteral("-o は --export と一緒に使います。"));
        return checkFile(files.first());
    }
    const std::optional<ExportFormat> format = exportFormatNamed(parser.value(exportOption));
    if (!format)
        return badUse(QStringLiteral("知らない形式です：%1（css、scss、tokens、gpl のどれか）")
                          .arg(parser.value(exportOption)));
    return exportFile(*format, files.first(), parser.value(outputOption));
}

} // namespace tintmill
