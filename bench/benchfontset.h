// A private set of generated font files with distinct family names, so that benchmarks
// see what a machine with thousands of installed fonts costs. The files are made once per
// benchmark run into a temporary folder (by make_font_set.py with python3-fonttools) and
// reached only through a private fonts.conf: the user's own fonts are never touched.
// KERNCRAFT_BENCH_FONT_DIR names a folder to keep the set in between runs instead; parts
// already made there are not made again.
#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>

class BenchFontSet {
public:
    // The set shared by the benchmarks, made at first use; null when it cannot be made
    // (no python3-fonttools, no source font), with the reason in error().
    static BenchFontSet *shared();
    static QString error();

    // A fonts.conf that offers the first `count` generated families (500 steps; at most
    // kMaxFonts) and keeps its cache in the temporary folder.
    QString configFor(int count);

    static constexpr int kStep = 500;
    static constexpr int kMaxFonts = 5000;

private:
    BenchFontSet() = default;
    bool make();

    QTemporaryDir m_temporary;
    QString m_folder;
    QString filePath(const QString &name) const;
};
