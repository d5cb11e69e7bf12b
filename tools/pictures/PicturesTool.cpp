#include "PicturesTool.h"

#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <iomanip>
#include <ostream>

#include <QImage>
#include <QString>

#include "DemoFolder.h"
#include "FolderCheck.h"
#include "PictureImport.h"
#include "PictureSet.h"

namespace fs = std::filesystem;

namespace {

constexpr int ExitOk = 0;
constexpr int ExitProblems = 1;
constexpr int ExitUsage = 2;

constexpr const char* HelpText = R"(Usage: sorvita-pictures COMMAND [ARGUMENTS]

Makes, checks and fills the picture folder "obr" from which Sorvita reads its
seed photographs. The quiz looks for "obr" in the folder it is started in.

Commands:
  demo DIR        Write a complete demo picture folder into DIR. DIR is the
                  "obr" folder itself, e.g.: sorvita-pictures demo build/demo/obr
                  Drawn pictures of all 39 seeds, the same on every run.
  check [DIR]     Check a picture folder the way the quiz will read it (DIR
                  defaults to obr): all 126 files present, each a JPEG the
                  quiz can load and draw. Exit status 0 only when all is well.
  import SRC DIR  Build the picture folder DIR from your own photographs in SRC.
  seeds           List the seeds with their numbers and the views each shows.
  --help          Show this text.

Naming your photographs for import, inside SRC:
  <view>/<seed>.jpg    the quiz's own layout, e.g. 3/17.jpg
  <seed>-<view>.jpg    directly in SRC, e.g. 17-3.jpg or "Oves pluchatý-3.jpg"
<seed> is the seed number (0-38) or its name as in the quiz, in any case,
diacritics optional, "_" for a space (oves_pluchaty-3.jpg). <view> is 0-3:
  0, 1  the two square pictures (233 x 233); only some seeds show them
  2     the wide picture at the lower left (460 x 260): the square pictures
        cover all of it but the left 136 and the bottom 100 pixels
  3     the upright picture at the right (161 x 289); every seed needs one
JPEG (.jpg, .jpeg), PNG and BMP files are read. Each photograph is shrunk to
fit its slot (never enlarged) and written as JPEG; a view without one shows
"Bez fotografie". Exit status 0 when every photograph could be used.
)";

int Usage(std::ostream& err, const std::string& message)
{
    err << "sorvita-pictures: " << message << "\nTry 'sorvita-pictures --help'.\n";
    return ExitUsage;
}

double SecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void PrintFindings(std::ostream& out, const char* title, const std::vector<Finding>& findings)
{
    if (findings.empty())
        return;
    out << title << ":\n";
    for (const Finding& finding : findings)
        out << "  " << finding.path << ": " << finding.text << "\n";
}

std::string Plural(std::size_t n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

int Demo(const fs::path& folder, std::ostream& out)
{
    const auto start = std::chrono::steady_clock::now();
    out << "Writing the demo picture folder " << folder.string() << " ...\n";
    WriteDemoFolder(folder);
    out << "Wrote " << ExpectedPictures().size() << " pictures in " << std::fixed << std::setprecision(1)
        << SecondsSince(start) << " s.\n";
    return ExitOk;
}

int Check(const fs::path& folder, std::ostream& out)
{
    out << "Checking the picture folder " << folder.string() << " ...\n";
    const FolderReport report = CheckPictureFolder(folder);
    PrintFindings(out, "Problems (the quiz would show an error)", report.problems);
    PrintFindings(out, "Hints", report.hints);
    out << "Summary: " << report.expected << " files expected, " << report.good << " fine, "
        << Plural(report.problems.size(), "problem", "problems") << ", "
        << Plural(report.hints.size(), "hint", "hints") << ".\n";
    if (report.Ok())
        out << "All is well: the quiz can show every picture.\n";
    return report.Ok() ? ExitOk : ExitProblems;
}

int Import(const fs::path& source, const fs::path& folder, std::ostream& out)
{
    out << "Building the picture folder " << folder.string() << " from the photographs in " << source.string()
        << " ...\n";
    const ImportReport report =
        ImportPictureFolder(source, folder, [&out](const std::string& line) { out << "  " << line << "\n"; });
    PrintFindings(out, "Not used (please fix)", report.errors);
    PrintFindings(out, "Warnings", report.warnings);
    if (!report.lacking.empty()) {
        out << "Still without a photograph (\"Bez fotografie\" is shown instead):\n";
        for (const auto& [seed, views] : report.lacking) {
            out << "  " << SeedLabel(seed) << ": " << (views.size() == 1 ? "view" : "views");
            for (std::size_t i = 0; i < views.size(); ++i)
                out << (i == 0 ? " " : ", ") << views[i];
            out << "\n";
        }
    }
    out << "Summary: wrote " << report.written << " files, " << report.photos << " of them from your photographs; "
        << Plural(report.lacking.size(), "seed still lacks", "seeds still lack") << " a photograph, "
        << Plural(report.errors.size(), "file", "files") << " could not be used.\n";
    return report.Ok() ? ExitOk : ExitProblems;
}

int Seeds(std::ostream& out)
{
    out << "seed  views    name\n";
    for (int seed = 0; seed < SeedCount; ++seed) {
        const auto s = static_cast<std::size_t>(seed);
        std::string views = HasViews01[s] == 1 ? "0 1 " : "    ";
        views += HasView2[s] == 1 ? "2 " : "  ";
        views += "3";
        char number[8];
        std::snprintf(number, sizeof number, "%4d", seed);
        out << number << "  " << views << "  " << SeedNames[s] << "\n";
    }
    return ExitOk;
}

// Not in --help: a sheet of the demo pictures for looking them over.
int ContactSheet(const std::vector<std::string>& args, std::ostream& out)
{
    const int first = args.size() > 2 ? std::stoi(args[2]) : 0;
    const int count = args.size() > 3 ? std::stoi(args[3]) : SeedCount - first;
    if (first < 0 || count < 1 || first + count > SeedCount)
        throw std::runtime_error("seeds out of range");
    if (!DrawContactSheet(first, count).save(QString::fromStdString(args[1])))
        throw std::runtime_error("cannot write " + args[1]);
    out << "Wrote " << args[1] << "\n";
    return ExitOk;
}

} // namespace

int RunPicturesTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.empty())
        return Usage(err, "no command given");
    const std::string& command = args[0];
    const std::size_t operands = args.size() - 1;
    try {
        if (command == "--help" || command == "-h" || command == "help") {
            out << HelpText;
            return ExitOk;
        }
        if (command == "demo") {
            if (operands != 1)
                return Usage(err, "demo takes one folder: the picture folder to write, e.g. demo/obr");
            return Demo(args[1], out);
        }
        if (command == "check") {
            if (operands > 1)
                return Usage(err, "check takes at most one folder");
            return Check(operands == 1 ? fs::path(args[1]) : fs::path("obr"), out);
        }
        if (command == "import") {
            if (operands != 2)
                return Usage(err, "import takes two folders: your photographs and the picture folder to write");
            return Import(args[1], args[2], out);
        }
        if (command == "seeds") {
            if (operands != 0)
                return Usage(err, "seeds takes no arguments");
            return Seeds(out);
        }
        if (command == "contact-sheet") {
            if (operands < 1 || operands > 3)
                return Usage(err, "contact-sheet OUT.png [FIRST [COUNT]]");
            return ContactSheet(args, out);
        }
    } catch (const std::exception& e) {
        err << "sorvita-pictures: " << e.what() << "\n";
        return ExitProblems;
    }
    return Usage(err, "unknown command '" + command + "'");
}
