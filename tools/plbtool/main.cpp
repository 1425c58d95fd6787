// plbtool: the authors' command-line companion of the textbook viewer.
#include "Commands.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>

namespace {

struct TCommand {
    const char* name;
    int (*run)(const TCommandArgs&);
    const char* help;
};

const TCommand kCommands[] = {
    {"dump", RunDump, "dump BOOK.plb                 print the book and its pictures as JSON"},
    {"check", RunCheck, "check BOOK.plb                list authoring problems of a book"},
    {"pack", RunPack,
     "pack FOLDER -o BOOK.plb [--set KEY=VALUE]...\n"
     "                                build a book from its source folder; --set overrides\n"
     "                                a book setting (subPages=2, say)"},
    {"search", RunSearch,
     "search BOOK.plb TEXT [--json]\n"
     "                                list the pages whose text holds TEXT (letter case and\n"
     "                                Ё/Е ignored), with a snippet of each"},
    {"text", RunText,
     "text BOOK.plb (--page N | --json)\n"
     "                                print a page's text as a reader sees it, or every\n"
     "                                page's as JSON"},
    {"unpack", RunUnpack, "unpack BOOK.plb -o FOLDER     write a book out as a source folder"},
    {"picture", RunPicture, "picture FILE -o OUT.png       decode a picture file as a page would"},
    {"compile", RunCompile,
     "compile --markup FILE         print the compiled records of a markup file"},
    {"vector", RunVector,
     "vector --script FILE [--size WxH] (--bytecode | -o OUT.png | --links)\n"
     "                                compile, render or list the links of a vector picture"},
    {"layout", RunLayout,
     "layout (--markup FILE | BOOK.plb --page N) [--size WxH]\n"
     "                                print the laid-out lines, words and links as JSON"},
    {"render", RunRender,
     "render (--markup FILE | BOOK.plb --page N) [--size WxH] [--zoom STEP] -o OUT.png\n"
     "                                draw the page as the viewer shows it\n"
     "  render (--markup FILE | BOOK.plb (--page N | --all)) [--size WxH] [--no-background]\n"
     "         -o OUT.pdf             print the page or the whole book to PDF"},
    {"export", RunExport,
     "export BOOK.plb [-o DIR] [--epub OUT.epub]\n"
     "                                write the book as a web edition a browser opens from\n"
     "                                disk, or as an EPUB 3 book"},
    {"trace", RunTrace,
     "trace (--markup FILE | BOOK.plb --page N) [--size WxH]\n"
     "                                print the page's display list, one call per line"},
};

void PrintHelp(std::FILE* out) {
    std::fprintf(out, "usage: plbtool COMMAND ARGS...\n\ncommands:\n");
    for (const auto& c : kCommands)
        std::fprintf(out, "  %s\n", c.help);
}

} // namespace

int Fail(const std::string& Message, int Status) {
    std::cerr << "error: " << Message << "\n";
    return Status;
}

int Usage(const std::string& Message) {
    std::cerr << "usage error: " << Message << "\n";
    return 2;
}

// Keeps the platform's diagnostics off stderr, which carries only the tool's own errors.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) std::cerr << message.toStdString() << "\n";
}

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintHelp(stderr);
        return 2;
    }
    if (!std::strcmp(argv[1], "help") || !std::strcmp(argv[1], "--help") ||
        !std::strcmp(argv[1], "-h")) {
        PrintHelp(stdout);
        return 0;
    }
    for (const auto& command : kCommands) {
        if (std::strcmp(argv[1], command.name) != 0) continue;
        // Fonts, pictures and the controls (widgets) need an application;
        // no window is ever shown.
        if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
        qInstallMessageHandler(QuietMessages);
        int qtArgc = 1;
        QApplication app(qtArgc, argv);
        return command.run(TCommandArgs(argv + 2, argv + argc));
    }
    std::fprintf(stderr, "plbtool: unknown command \"%s\"\n\n", argv[1]);
    PrintHelp(stderr);
    return 2;
}
