#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace solvaro::fuzz {

// The entry points of the fuzzers: each takes one input as the program would
// find it in a file and puts it through the program's own reading code. An
// input the program refuses is no finding; a crash, a sanitizer report, an
// exception the program does not expect, or a broken promise checked by
// expect() is. The libFuzzer programs and the corpus replay in the tests run
// the same functions.
using Target = void (*)(const QByteArray &input);

struct NamedTarget {
    const char *name;
    Target run;
};

// Every target under the name of its corpus folder (fuzz/corpus/<name>).
const std::vector<NamedTarget> &targets();
Target targetNamed(const QString &name);

void iniFile(const QByteArray &input);
void evaluator(const QByteArray &input);
void wavFile(const QByteArray &input);
void jpeg(const QByteArray &input);
void picture(const QByteArray &input);
void reportTemplate(const QByteArray &input);
void progressFile(const QByteArray &input);
void progressFolder(const QByteArray &input);
void scheme(const QByteArray &input);
void skinFile(const QByteArray &input);

// Ends the process with the message when a promise does not hold, so that the
// fuzzer keeps the input and the replay fails on it.
void expect(bool holds, const char *promise);

// The input as a file that the readers open by name: always the same path in
// a scratch folder of the process, rewritten for each input.
QString inputFile(const QByteArray &input, const QString &name = QStringLiteral("INPUT.INI"));
// The scratch folder, with a trailing '/'.
QString scratchFolder();

} // namespace solvaro::fuzz
