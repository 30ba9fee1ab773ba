// fulgrane3d-cli: the editor's engine without its window, for scripts,
// build pipelines and tests.

#include <QCoreApplication>
#include <QTranslator>

#include <array>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "persistence/Workspace.h"
#include "text/Language.h"

namespace {

using fg::cli::Command;

constexpr std::array kCommands{
    Command{"info", "info [PROJECT] [--json]  print the project settings, node tree and materials\n"
                    "                         (without PROJECT: a new, untitled effect)",
            &fg::cli::runInfo},
    Command{"simulate", "simulate PROJECT --frames N [--seed S] [--file-version V] [--particle-limit L]\n"
                        "                         run the effect headless, one JSON line per step\n"
                        "                         (at most L live particles, 2000000 by default)",
            &fg::cli::runSimulate},
    Command{"render", "render PROJECT --frame F -o OUT.png [--width W --height H] [--no-overlay]\n"
                      "                         [--counters none|frame,particles,fps] [--paused]\n"
                      "                         [--particle-limit L]\n"
                      "                         write the 3D view's picture of frame F (640x480 by default)",
            &fg::cli::runRender},
    Command{"export", "export PROJECT -o PATH [--start S --end E --step K --columns C --separate\n"
                      "                         --smooth N --alpha|--no-alpha --width W --height H\n"
                      "                         --particle-limit L] [--quiet]\n"
                      "                         [--meta json] [--padding P [--extrude]] [--pow2] [--loop]\n"
                      "                         [--animated [--quality Q]]\n"
                      "                         write the frames as one sheet or numbered files;\n"
                      "                         --meta json: PATH.json for sprite-sheet loaders;\n"
                      "                         --padding: P clear pixels around each cell, --extrude\n"
                      "                         repeats the cell's edges there; --pow2: sheet sides\n"
                      "                         rounded up to powers of two; --loop: the pass as it looks\n"
                      "                         repeated forever; --animated: one looping animation\n"
                      "                         (WebP lossless, or lossy at --quality 0-100; MP4 (H.264)\n"
                      "                         and WebM (VP9 with alpha) at --quality 0-100, 68 by\n"
                      "                         default; .apng or .png: animated PNG, lossless)",
            &fg::cli::runExport, &fg::cli::exportFormatsHelp},
};

void printHelp(std::FILE* out) {
    std::fputs("usage: fulgrane3d-cli <command> [arguments]\n\n"
               "Fulgrane3D particle effects without the editor window.\n"
               "PROJECT is a .nbx file, a folder holding save.ini, or a save.ini path.\n\n"
               "commands:\n",
               out);
    for (const Command& command : kCommands) {
        std::fprintf(out, "  %s\n", command.synopsis);
        if (command.moreHelp) std::fputs(command.moreHelp().c_str(), out);
    }
    std::fputs("\n  --lang ja|en             the language of the messages (Japanese by default)\n"
               "  --help                   show this text (COMMAND --help: that command's)\n"
               "  --version                print the version\n",
               out);
}

// The English texts for a run with --lang en. Qt's translators need an
// application object; the locale it sets is put back, so numbers keep their
// decimal points whatever the system locale. The application sees only the
// program name; it keeps a reference to it.
class EnglishMessages {
public:
    explicit EnglishMessages(char* program) : m_argv{program, nullptr} {
        const std::string locale = std::setlocale(LC_ALL, nullptr);
        m_application = std::make_unique<QCoreApplication>(m_argc, m_argv.data());
        std::setlocale(LC_ALL, locale.c_str());
        m_translator = fg::text::installLanguage(fg::text::Language::English);
    }

private:
    int m_argc = 1;
    std::array<char*, 2> m_argv;
    std::unique_ptr<QCoreApplication> m_application;
    std::unique_ptr<QTranslator> m_translator;
};

}  // namespace

int main(int argc, char** argv) {
    // --lang CODE (or --lang=CODE) anywhere chooses the language for this run.
    std::vector<char*> kept;
    QStringList languageOptions;
    for (int i = 0; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--lang" && i + 1 < argc) {
            languageOptions << QString::fromLocal8Bit(arg) << QString::fromLocal8Bit(argv[++i]);
        } else if (arg.rfind("--lang=", 0) == 0) {
            languageOptions << QString::fromLocal8Bit(arg);
        } else if (arg == "--lang") {
            std::fprintf(stderr, "fulgrane3d-cli: --lang needs ja or en\n");
            return 2;
        } else {
            kept.push_back(argv[i]);
        }
    }
    const std::optional<fg::text::Language> language = fg::text::languageArgument(languageOptions);
    if (!languageOptions.isEmpty() && !language) {
        std::fprintf(stderr, "fulgrane3d-cli: unknown language \"%s\" (ja or en)\n",
                     languageOptions.constLast().toLocal8Bit().constData());
        return 2;
    }
    std::optional<EnglishMessages> english;
    if (language == fg::text::Language::English) english.emplace(argv[0]);
    argc = static_cast<int>(kept.size());
    argv = kept.data();

    if (argc < 2) {
        printHelp(stderr);
        return 2;
    }
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        printHelp(stdout);
        return 0;
    }
    if (name == "--version") {
        std::printf("fulgrane3d-cli %s\n", FG_CLI_VERSION);
        return 0;
    }
    for (const Command& command : kCommands) {
        if (name != command.name) continue;
        for (int i = 2; i < argc; ++i) {
            if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
                std::printf("usage: fulgrane3d-cli %s\n", command.synopsis);
                if (command.moreHelp) std::fputs(command.moreHelp().c_str(), stdout);
                return 0;
            }
        }
        // A run that was killed cannot clean up after itself; every start
        // clears what such runs left.
        fg::clearAbandonedWorkspaces();
        return command.run(fg::cli::Args(argv + 2, argv + argc));
    }
    std::fprintf(stderr, "fulgrane3d-cli: unknown command \"%s\" (see --help)\n", name.c_str());
    return 2;
}
