#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace tintmill {

// What the command line asks for, read from the arguments after the
// program's name. Paths stay the bytes they were given as: a file name need
// not be UTF-8.
struct Arguments
{
    bool help = false;
    bool version = false;
    bool check = false;
    // --export's format name; empty when not given.
    QString exportFormat;
    bool exporting = false;
    QByteArray output;
    bool hasOutput = false;
    // --dark's page colour file, for readers who prefer a dark scheme.
    QByteArray dark;
    bool hasDark = false;
    QList<QByteArray> files;
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

} // namespace tintmill
