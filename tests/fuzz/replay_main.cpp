// A short, deterministic pass of a fuzz entry for the ordinary test build: every file of
// the seed corpus, then a fixed number of mutations of them made with a seeded generator
// (truncations, deletions, duplications, byte changes, tags of the dictionary inserted,
// splices). Usage: markup_fuzz_replay CORPUS_DIR DICTIONARY [MUTATIONS]

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void ejecuta(const QByteArray& entrada) {
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(entrada.constData()),
                           static_cast<std::size_t>(entrada.size()));
}

// The value between quotes, with the escapes of a libFuzzer dictionary: \\, \" and \xAB.
QByteArray desescapa(const QByteArray& v) {
    QByteArray r;
    for (qsizetype i = 0; i < v.size(); ++i) {
        if (v[i] != '\\' || i + 1 >= v.size()) {
            r.append(v[i]);
        } else if (v[i + 1] == 'x' && i + 3 < v.size()) {
            r.append(static_cast<char>(v.mid(i + 2, 2).toInt(nullptr, 16)));
            i += 3;
        } else {
            r.append(v[++i]);
        }
    }
    return r;
}

// The tokens of a libFuzzer dictionary: one name="value" per line, "#" comments.
QList<QByteArray> leeDiccionario(const QString& ruta) {
    QList<QByteArray> tokens;
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly)) return tokens;
    for (const QByteArray& linea : f.readAll().split('\n')) {
        const qsizetype a = linea.indexOf('"');
        const qsizetype b = linea.lastIndexOf('"');
        if (!linea.trimmed().startsWith('#') && a >= 0 && b > a)
            tokens.append(desescapa(linea.mid(a + 1, b - a - 1)));
    }
    return tokens;
}

class Mutador {
  public:
    Mutador(QList<QByteArray> corpus, QList<QByteArray> tokens)
        : corpus_(std::move(corpus)), tokens_(std::move(tokens)) {}

    QByteArray siguiente() {
        QByteArray s = corpus_[static_cast<qsizetype>(hasta(corpus_.size()))];
        const int pasos = 1 + static_cast<int>(hasta(4));
        for (int i = 0; i < pasos; ++i)
            muta(s);
        if (s.size() > kMaxLargo) s.truncate(kMaxLargo);
        return s;
    }

  private:
    static constexpr qsizetype kMaxLargo = 4096;

    // A number in [0, n), 0 for n <= 0. Taken from the raw generator output so that every
    // platform makes the same sequence.
    qsizetype hasta(qsizetype n) { return n <= 0 ? 0 : static_cast<qsizetype>(gen_() % n); }

    void muta(QByteArray& s) {
        const qsizetype p = hasta(s.size() + 1);
        switch (gen_() % 7) {
        case 0:
            s.truncate(p);
            break;
        case 1:
            s.remove(p, 1 + hasta(16));
            break;
        case 2:
            if (!tokens_.isEmpty()) s.insert(p, tokens_[hasta(tokens_.size())]);
            break;
        case 3:
            if (!s.isEmpty()) s[hasta(s.size())] = static_cast<char>(gen_() & 0xFF);
            break;
        case 4:
            s.insert(p, s.mid(hasta(s.size()), 1 + hasta(32)));
            break;
        case 5: {
            const QByteArray& otro = corpus_[hasta(corpus_.size())];
            s = s.left(p) + otro.mid(hasta(otro.size()));
            break;
        }
        default:
            // The first byte chooses the drawing conditions.
            if (!s.isEmpty()) s[0] = static_cast<char>(gen_() & 0xFF);
            break;
        }
    }

    QList<QByteArray> corpus_;
    QList<QByteArray> tokens_;
    std::mt19937 gen_{20240607u};
};

} // namespace

int main(int argc, char** argv) {
    const QByteArray programa = QFileInfo(QString::fromLocal8Bit(argv[0])).fileName().toLocal8Bit();
    const char* nombrePrograma = programa.constData();
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s CORPUS_DIR DICTIONARY [MUTATIONS]\n", nombrePrograma);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    QList<QByteArray> corpus;
    for (const QString& nombre : dir.entryList(QDir::Files, QDir::Name)) {
        QFile f(dir.filePath(nombre));
        if (f.open(QIODevice::ReadOnly)) corpus.append(f.readAll());
    }
    if (corpus.isEmpty()) {
        std::fprintf(stderr, "%s: no corpus in %s\n", nombrePrograma, argv[1]);
        return 2;
    }
    const QList<QByteArray> tokens = leeDiccionario(QString::fromLocal8Bit(argv[2]));
    if (tokens.isEmpty()) {
        std::fprintf(stderr, "%s: no dictionary in %s\n", nombrePrograma, argv[2]);
        return 2;
    }
    const long mutaciones = argc > 3 ? std::strtol(argv[3], nullptr, 10) : 3000;

    for (const QByteArray& entrada : corpus)
        ejecuta(entrada);
    Mutador mutador(corpus, tokens);
    for (long i = 0; i < mutaciones; ++i)
        ejecuta(mutador.siguiente());
    std::printf("%s: %lld corpus inputs, %ld mutations\n", nombrePrograma,
                static_cast<long long>(corpus.size()), mutaciones);
    return 0;
}
