// Start-up cost of Tintmill next to floor programs, side by side in one run
// under a private Xvfb server: first paint of the main window from process
// start, and memory (PSS) of the whole process tree 3 s after that paint;
// plus, for Tintmill, the time from first showing the scrollbar editor to the
// preview painted. Then the command line: process start to exit without a
// display, beside a bare QCoreApplication. See bench/README.md.
//
// Usage: tintmill_bench_startup [RUNS] [LABEL=EXECUTABLE ...]
//   RUNS         runs of each program, round-robin (default 7)
//   LABEL=PATH   more Tintmill builds to measure the same way as Tintmill

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <map>
#include <optional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr qint64 settleMs = 3000;
constexpr qint64 scrollbarAfterMs = 3500;
constexpr qint64 giveUpMs = 20000;

qint64 now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

void sleepUntil(qint64 ns)
{
    const qint64 left = ns - now();
    if (left > 0)
        QThread::usleep(static_cast<unsigned long>(left / 1000));
}

struct Program
{
    QString label;
    QString path;
    bool tintmill; // has the scrollbar editor to show
};

struct Run
{
    std::optional<double> firstPaintMs;
    std::optional<double> applicationMs; // of which until the QApplication
    std::optional<double> cpuMs;         // processor time until the first paint
    std::optional<double> memoryMiB;     // resident, summed over the tree
    std::optional<double> pssMiB;        // proportional: shared pages split
    std::optional<double> noticeMs;
    std::optional<double> previewMs;
    std::optional<double> stallMs;
    std::optional<double> memoryWithPreviewMiB;
};

// Xvfb chooses a free display itself and names it on a pipe once it is ready.
struct Xvfb
{
    pid_t pid = -1;
    QString display;

    bool start()
    {
        int fds[2];
        if (pipe(fds) != 0)
            return false;
        pid = fork();
        if (pid == 0) {
            close(fds[0]);
            const std::string fd = std::to_string(fds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24",
                   "-nolisten", "tcp", static_cast<char *>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        char buffer[32] = {};
        ssize_t got = 0;
        while (got < static_cast<ssize_t>(sizeof buffer) - 1) {
            const ssize_t n = read(fds[0], buffer + got, sizeof buffer - 1 - got);
            if (n <= 0 || buffer[got + n - 1] == '\n') {
                got += std::max<ssize_t>(n, 0);
                break;
            }
            got += n;
        }
        close(fds[0]);
        display = QStringLiteral(":") + QString::fromLatin1(buffer).trimmed();
        return display.size() > 1;
    }

    ~Xvfb()
    {
        if (pid > 0) {
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
        }
    }
};

std::map<qint64, qint64> parentsOf()
{
    std::map<qint64, qint64> parents;
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool isPid = false;
        const qint64 pid = entry.toLongLong(&isPid);
        if (!isPid)
            continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (name) state ppid ...": the name may hold spaces, so read after ')'.
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1)
            parents[pid] = fields.at(1).toLongLong();
    }
    return parents;
}

std::vector<qint64> processTree(qint64 root)
{
    const std::map<qint64, qint64> parents = parentsOf();
    std::vector<qint64> tree{root};
    for (size_t i = 0; i < tree.size(); ++i) {
        for (const auto &[pid, parent] : parents) {
            if (parent == tree[i])
                tree.push_back(pid);
        }
    }
    return tree;
}

// `field` ("Rss:" or "Pss:") of smaps_rollup, summed over the process tree.
double treeMemoryMiB(qint64 root, const QByteArray &field)
{
    qint64 kib = 0;
    for (const qint64 pid : processTree(root)) {
        QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
        if (!rollup.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray &line : rollup.readAll().split('\n')) {
            if (line.startsWith(field))
                kib += line.mid(field.size()).trimmed().split(' ').first().toLongLong();
        }
    }
    return static_cast<double>(kib) / 1024.0;
}

std::optional<qint64> probed(const QString &file, const char *what)
{
    QFile probe(file);
    if (!probe.open(QIODevice::ReadOnly))
        return std::nullopt;
    for (const QByteArray &line : probe.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() == 2 && fields.at(0) == what)
            return fields.at(1).toLongLong();
    }
    return std::nullopt;
}

std::optional<qint64> waitFor(const QString &file, const char *what, qint64 deadline)
{
    while (now() < deadline) {
        if (const auto value = probed(file, what))
            return value;
        QThread::msleep(5);
    }
    return std::nullopt;
}

void endTree(QProcess &process)
{
    const std::vector<qint64> tree = processTree(process.processId());
    for (const qint64 pid : tree)
        kill(static_cast<pid_t>(pid), SIGKILL);
    process.waitForFinished(5000);
}

Run measure(const Program &program, const QString &display, const QString &probeFile)
{
    QFile::remove(probeFile);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(TINTMILL_BENCH_PROBE));
    environment.insert(QStringLiteral("TINTMILL_PROBE_OUT"), probeFile);
    if (program.tintmill)
        environment.insert(QStringLiteral("TINTMILL_PROBE_SCROLLBAR_AT_MS"),
                           QString::number(scrollbarAfterMs));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());

    Run run;
    const qint64 started = now();
    process.start(program.path, {});
    if (!process.waitForStarted(5000))
        return run;
    const auto paint = waitFor(probeFile, "paint", started + giveUpMs * 1000000);
    if (paint) {
        run.firstPaintMs = static_cast<double>(*paint - started) / 1e6;
        if (const auto made = probed(probeFile, "app"))
            run.applicationMs = static_cast<double>(*made - started) / 1e6;
        if (const auto used = probed(probeFile, "cpu"))
            run.cpuMs = static_cast<double>(*used) / 1e6;
        sleepUntil(*paint + settleMs * 1000000);
        run.memoryMiB = treeMemoryMiB(process.processId(), "Rss:");
        run.pssMiB = treeMemoryMiB(process.processId(), "Pss:");
    }
    if (paint && program.tintmill) {
        const qint64 deadline = *paint + (scrollbarAfterMs + giveUpMs) * 1000000;
        const auto editor = waitFor(probeFile, "editor", deadline);
        const auto preview = waitFor(probeFile, "preview", deadline);
        const auto notice = probed(probeFile, "notice");
        const auto stall = probed(probeFile, "stall");
        if (editor && preview) {
            run.previewMs = static_cast<double>(*preview - *editor) / 1e6;
            if (notice)
                run.noticeMs = static_cast<double>(*notice - *editor) / 1e6;
            if (stall)
                run.stallMs = static_cast<double>(*stall);
            sleepUntil(*preview + settleMs * 1000000);
            run.memoryWithPreviewMiB = treeMemoryMiB(process.processId(), "Pss:");
        }
    }
    endTree(process);
    return run;
}

// From just before the start to the exit, with no display and no platform
// named, as a build script or CI job runs the command line; and the processor
// time the process used (user and system), which moves less with the load.
struct Exit
{
    double wallMs = 0;
    double cpuMs = 0;
};

double childrenCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

std::optional<Exit> exitOf(const QString &program, const QStringList &arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    const double cpuBefore = childrenCpuMs();
    const qint64 started = now();
    process.start(program, arguments);
    if (!process.waitForFinished(giveUpMs))
        return std::nullopt;
    return Exit{static_cast<double>(now() - started) / 1e6, childrenCpuMs() - cpuBefore};
}

std::optional<double> median(std::vector<double> values)
{
    if (values.empty())
        return std::nullopt;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

template<typename Field> std::optional<double> medianOf(const std::vector<Run> &runs, Field field)
{
    std::vector<double> values;
    for (const Run &run : runs) {
        if (const std::optional<double> value = run.*field)
            values.push_back(*value);
    }
    return median(values);
}

QString shown(std::optional<double> value, const char *format)
{
    return value ? QString::asprintf(format, *value) : QStringLiteral("-");
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    int runs = 7;
    if (!arguments.isEmpty() && arguments.first().toInt() > 0)
        runs = arguments.takeFirst().toInt();

    std::vector<Program> programs{
        {QStringLiteral("bare Widgets window"), QStringLiteral(TINTMILL_FLOOR_BARE), false},
        {QStringLiteral("same, linked with Qt WebEngine"), QStringLiteral(TINTMILL_FLOOR_WEBENGINE),
         false},
        {QStringLiteral("Tintmill"), QStringLiteral(TINTMILL_EXECUTABLE), true},
    };
    for (const QString &argument : arguments) {
        const qsizetype equals = argument.indexOf(u'=');
        if (equals > 0)
            programs.push_back({argument.left(equals), argument.mid(equals + 1), true});
    }

    Xvfb xvfb;
    if (!xvfb.start()) {
        std::fprintf(stderr, "could not start Xvfb (Debian package xvfb)\n");
        return 1;
    }
    QTemporaryDir folder;
    const QString probeFile = folder.filePath(QStringLiteral("probe.txt"));

    std::vector<std::vector<Run>> results(programs.size());
    for (int round = 0; round < runs; ++round) {
        // Round-robin, starting one further each round, so that no program
        // always follows the same one.
        for (size_t k = 0; k < programs.size(); ++k) {
            const size_t i = (k + static_cast<size_t>(round)) % programs.size();
            results[i].push_back(measure(programs[i], xvfb.display, probeFile));
            std::fprintf(stderr, ".");
        }
    }
    std::fprintf(stderr, "\n");

    const auto ratio = [](std::optional<double> a, std::optional<double> b) {
        return a && b && *b > 0 ? std::optional<double>(*a / *b) : std::nullopt;
    };
    const std::optional<double> barePaint = medianOf(results[0], &Run::firstPaintMs);
    const std::optional<double> bareCpu = medianOf(results[0], &Run::cpuMs);
    const std::optional<double> bareRss = medianOf(results[0], &Run::memoryMiB);
    const std::optional<double> barePss = medianOf(results[0], &Run::pssMiB);
    std::printf("%d runs each, medians; memory of the whole process tree, %lld ms after the "
                "first paint\n\n",
                runs, static_cast<long long>(settleMs));
    std::printf("| program | first paint | × bare | of which before QApplication | processor "
                "time until then | × bare | RSS | × bare | PSS | × bare |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|---|\n");
    for (size_t i = 0; i < programs.size(); ++i) {
        const std::optional<double> paint = medianOf(results[i], &Run::firstPaintMs);
        const std::optional<double> rss = medianOf(results[i], &Run::memoryMiB);
        const std::optional<double> pss = medianOf(results[i], &Run::pssMiB);
        const std::optional<double> cpu = medianOf(results[i], &Run::cpuMs);
        std::printf(
            "| %s | %s | %s | %s | %s | %s | %s | %s | %s | %s |\n", qPrintable(programs[i].label),
            qPrintable(shown(paint, "%.0f ms")), qPrintable(shown(ratio(paint, barePaint), "%.2f")),
            qPrintable(shown(medianOf(results[i], &Run::applicationMs), "%.0f ms")),
            qPrintable(shown(cpu, "%.0f ms")), qPrintable(shown(ratio(cpu, bareCpu), "%.2f")),
            qPrintable(shown(rss, "%.0f MiB")), qPrintable(shown(ratio(rss, bareRss), "%.2f")),
            qPrintable(shown(pss, "%.0f MiB")), qPrintable(shown(ratio(pss, barePss), "%.2f")));
    }
    std::printf("\n| program | editor shown → notice on screen | → preview painted | "
                "longest hold of the event loop | PSS with the preview |\n");
    std::printf("|---|---|---|---|---|\n");
    for (size_t i = 0; i < programs.size(); ++i) {
        if (!programs[i].tintmill)
            continue;
        std::printf(
            "| %s | %s | %s | %s | %s |\n", qPrintable(programs[i].label),
            qPrintable(shown(medianOf(results[i], &Run::noticeMs), "%.0f ms")),
            qPrintable(shown(medianOf(results[i], &Run::previewMs), "%.0f ms")),
            qPrintable(shown(medianOf(results[i], &Run::stallMs), "%.0f ms")),
            qPrintable(shown(medianOf(results[i], &Run::memoryWithPreviewMiB), "%.0f MiB")));
    }

    // The command line, round-robin as above, on a page colour file.
    const QString colorFile = folder.filePath(QStringLiteral("bench.iro"));
    QFile iro(colorFile);
    if (!iro.open(QIODevice::WriteOnly) ||
        iro.write("#FFFFFF000000FF00000000000000000000000000FF000000\r\n") != 51)
        return 1;
    iro.close();
    const QString tintmill = QStringLiteral(TINTMILL_EXECUTABLE);
    const std::vector<std::pair<QString, std::pair<QString, QStringList>>> commands{
        {QStringLiteral("bare QCoreApplication"), {QStringLiteral(TINTMILL_FLOOR_CORE), {}}},
        {QStringLiteral("tintmill --version"), {tintmill, {QStringLiteral("--version")}}},
        {QStringLiteral("tintmill --export css FILE"),
         {tintmill, {QStringLiteral("--export"), QStringLiteral("css"), colorFile}}},
        {QStringLiteral("tintmill --check FILE"),
         {tintmill, {QStringLiteral("--check"), colorFile}}},
    };
    const int commandRuns = runs * 5;
    std::vector<std::vector<double>> exits(commands.size());
    std::vector<std::vector<double>> cpus(commands.size());
    for (int round = 0; round < commandRuns; ++round) {
        for (size_t k = 0; k < commands.size(); ++k) {
            const size_t i = (k + static_cast<size_t>(round)) % commands.size();
            if (const auto exit = exitOf(commands[i].second.first, commands[i].second.second)) {
                exits[i].push_back(exit->wallMs);
                cpus[i].push_back(exit->cpuMs);
            }
        }
    }
    std::printf("\n%d runs each, medians, no display\n\n", commandRuns);
    std::printf("| command line | start → exit | × bare | processor time |\n|---|---|---|---|\n");
    const std::optional<double> bareExit = median(exits[0]);
    for (size_t i = 0; i < commands.size(); ++i) {
        const std::optional<double> exit = median(exits[i]);
        std::printf("| %s | %s | %s | %s |\n", qPrintable(commands[i].first),
                    qPrintable(shown(exit, "%.1f ms")),
                    qPrintable(shown(ratio(exit, bareExit), "%.2f")),
                    qPrintable(shown(median(cpus[i]), "%.1f ms")));
    }
    return 0;
}
