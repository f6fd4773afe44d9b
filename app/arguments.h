#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace tintmill {

// What the command line is asked to do: one of these, or --help or --version.
enum class Command
{
    Export,   // --export FORMAT FILE
    Check,    // --check FILE
    Nearest,  // --nearest COLOR...
    MakeDark, // --make-dark FILE
};

// What the command line asks for, read from the arguments after the
// program's name. Paths stay the bytes they were given as: a file name need
// not be UTF-8.
struct Arguments
{
    bool help = false;
    bool version = false;
    // Every command named, in the order given: one is expected.
    QList<Command> commands;
    // --export's format name.
    QString exportFormat;
    std::optional<QByteArray> output;
    // --dark's page colour file, for readers who prefer a dark scheme.
    std::optional<QByteArray> dark;
    // --scheme's value as given: which of a file's two schemes.
    std::optional<QByteArray> scheme;
    // The files, or for --nearest the colour texts.
    QList<QByteArray> operands;
};

struct ParsedArguments
{
    Arguments arguments;
    // Why the arguments make no sense, in Japanese; empty when they do.
    QString problem;
};

// Options may come in any order and before or after the files; a value
// follows its option as the next argument or after "=" ("--export=css",
// "-ocolors.css"). "--" ends the options.
ParsedArguments parseArguments(const QList<QByteArray> &arguments);

// The option's name as the messages give it.
QString optionName(Command command);

} // namespace tintmill
