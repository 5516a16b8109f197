#pragma once
// The print system as the printer object sees it (not part of the API): the queue names and the
// default queue as CUPS lists them, and handing a PDF file to a queue. Programs run by argument
// vector, never through a shell, so titles and names reach them as they stand.
#include <string>
#include <vector>

namespace zorvy {

struct TProgramResult {
    int exitCode = -1; // -1: the program could not be started
    std::string output;
    std::string errors;
};

// Runs program (looked up on PATH unless it holds a '/') with args and waits for it.
TProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args);

// The queues, the default one first; empty when there is no print system or no queue. toolFolder:
// where lpstat and lp live (empty: PATH).
std::vector<std::string> ListPrinterQueues(const std::string& toolFolder);
// The queues named by "lpstat -e" output (one per line), the one "lpstat -d" output names as the
// system default moved first.
std::vector<std::string> ParsePrinterQueues(const std::string& queueList, const std::string& defaultLine);

// lp -d printer -t title [-n copies] file; EInOutError with lp's message when it fails.
void SpoolPdf(const std::string& toolFolder, const std::string& printer, const std::string& title, int copies,
              const std::string& file);

} // namespace zorvy
