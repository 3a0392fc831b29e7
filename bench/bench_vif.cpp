// Reading and installing a package of 1,000 entries.

#include "base/fileio.h"
#include "installer/install.h"
#include "installer/vif.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace gk;

namespace {

constexpr int kEntries = 1000;

// 1,000 landscapes of 4 KiB each, every byte value among them, spread over two folders.
QByteArray thousandEntryPackage() {
    QByteArray package;
    for (int n = 0; n < kEntries; ++n) {
        QByteArray contents(4096, '\0');
        for (qsizetype k = 0; k < contents.size(); ++k)
            contents[k] = static_cast<char>((k * 7 + n) & 0xFF);
        const QString name = QStringLiteral("land%1.lnd").arg(n);
        const QString folder =
            n % 2 ? QStringLiteral("Data\\Landscape\\") : QStringLiteral("Data\\CreatureMesh\\");
        const auto fields =
            vif::encodeFields(QStringLiteral("C:\\Games\\Black & White\\") + folder + name, name);
        if (!fields)
            qFatal("%s", qPrintable(fields.error()));
        package += vif::entryHead(fields->first, fields->second) + contents + vif::entryTail();
    }
    return package + "\r\n";
}

const QByteArray& package() {
    static const QByteArray bytes = thousandEntryPackage();
    return bytes;
}

void readPackage1000(benchmark::State& state) {
    for (auto _ : state) {
        const auto read = vif::readPackage(vif::PackageText(package()));
        benchmark::DoNotOptimize(read.ok());
    }
    state.SetBytesProcessed(state.iterations() * package().size());
}
BENCHMARK(readPackage1000)->Unit(benchmark::kMillisecond);

void planPackage1000(benchmark::State& state) {
    QTemporaryDir dir;
    const QString game = dir.filePath(QStringLiteral("game")) + QLatin1Char('/');
    QDir().mkpath(game + QStringLiteral("Data/Landscape"));
    QDir().mkpath(game + QStringLiteral("Data/CreatureMesh"));
    for (auto _ : state) {
        const auto plan = planPackageInstall(package(), ComposedPath(game));
        benchmark::DoNotOptimize(plan.ok());
    }
}
BENCHMARK(planPackage1000)->Unit(benchmark::kMillisecond);

// Plan and install; from the second round on every entry replaces a file (and keeps it).
void installPackage1000(benchmark::State& state) {
    QTemporaryDir dir;
    const QString game = dir.filePath(QStringLiteral("game")) + QLatin1Char('/');
    const QString manager = dir.filePath(QStringLiteral("manager")) + QLatin1Char('/');
    QDir().mkpath(game + QStringLiteral("Data/Landscape"));
    QDir().mkpath(game + QStringLiteral("Data/CreatureMesh"));
    QDir().mkpath(manager);
    auto store = openStore(ComposedPath(manager)).value();
    for (auto _ : state) {
        const auto plan = planPackageInstall(package(), ComposedPath(game));
        if (!plan || !plan->ok()) {
            state.SkipWithError("the package was refused");
            break;
        }
        const auto applied = applyPackagePlan(store, *plan, ComposedPath(manager), {});
        if (!applied) {
            state.SkipWithError(qPrintable(applied.error()));
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * package().size());
}
BENCHMARK(installPackage1000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

BENCHMARK_MAIN();
