// Prints the element table's column list as the maintainer scripts read it
// (tools/data/columns.tsv), or, with --check FILE, tells whether FILE is still that text.
#include "data/ElementColumns.h"

#include <QFile>

#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    const QByteArray tsv = ElementColumns::toTsv();
    if (argc == 3 && std::strcmp(argv[1], "--check") == 0) {
        QFile file(QString::fromLocal8Bit(argv[2]));
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "%s: cannot be read\n", argv[2]);
            return 1;
        }
        if (file.readAll() != tsv) {
            std::fprintf(stderr,
                         "%s differs from the program's column table; write it anew with\n"
                         "  %s > %s\n",
                         argv[2], argv[0], argv[2]);
            return 1;
        }
        return 0;
    }
    if (argc != 1) {
        std::fprintf(stderr, "usage: mirelon_columns [--check FILE]\n");
        return 2;
    }
    std::fwrite(tsv.constData(), 1, static_cast<size_t>(tsv.size()), stdout);
    return 0;
}
