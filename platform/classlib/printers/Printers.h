#pragma once
// Printing: TPrinter (Printer()) runs a document of pages on a canvas at the printer's resolution.
// EndDoc writes the pages as a PDF and hands it to a print queue (lp, by argument vector), or leaves
// it in FileName when the user printed to a file. Text drawn with the printer canvas's TextOut and
// the text channel TPrinterText stays text in the PDF; other drawing is kept as a picture of the page.
#include "platform/rtl/Exceptions.h"
#include "platform/classlib/Canvas.h"

#include <memory>
#include <string>
#include <vector>

namespace zorvy {

class EPrinter : public Exception {
  public:
    using Exception::Exception;
};

enum TPrinterOrientation { poPortrait, poLandscape };

class TPrinter;

// The canvas of the page being printed. Its text calls keep the text; the rest draws on a picture of
// the page made on first use. Fonts keep their point size: a font set at 96 pixels per inch prints as
// large as it shows.
class TPrinterCanvas : public TCanvas {
    ZORVY_CLASS(TPrinterCanvas, TCanvas)
  public:
    explicit TPrinterCanvas(TPrinter* printer) : printer_(printer) {}
    ~TPrinterCanvas() override;
    void TextOut(int x, int y, const std::string& text);
    TSize TextExtent(const std::string& text);
    int TextWidth(const std::string& text) { return TextExtent(text).cx; }
    int TextHeight(const std::string& text) { return TextExtent(text).cy; }

  protected:
    void CreateHandle() override;

  private:
    friend class TPrinter;
    TPrinter* printer_;
    HBITMAP page_ = nullptr;
    HDC pageDc_ = nullptr;
    bool pageUsed_ = false;
};

class TPrinter : public TObject {
    ZORVY_CLASS(TPrinter, TObject)
  public:
    TPrinter();
    ~TPrinter() override;

    // The print queues, the default first (asked of the print system once, again after Refresh).
    const std::vector<std::string>& GetPrinters();
    void Refresh();
    // The queue printed to: -1 the default (the first); EPrinter "Printer index out of range".
    int GetPrinterIndex() const { return printerIndex_; }
    void SetPrinterIndex(int index);
    // The chosen queue's name; empty when there is no queue.
    std::string GetPrinterName();

    // Print to file: a non-empty FileName receives the PDF and nothing is sent to a queue.
    std::string FileName;
    std::string Title;
    int Copies = 1;
    TPrinterOrientation GetOrientation() const { return orientation_; }
    void SetOrientation(TPrinterOrientation value); // EPrinter while printing
    // Where lpstat and lp are found (empty: on PATH).
    std::string ToolFolder;

    // The page in printer pixels: A4 less a quarter-inch margin on every side.
    int GetResolution() const { return 300; }
    int GetPageWidth() const;
    int GetPageHeight() const;

    // EPrinter "Printing in progress" when a document is open; EInOutError "No printer is installed"
    // without a queue and without FileName.
    void BeginDoc();
    void NewPage();   // EPrinter "Printer is not currently printing" outside a document
    void EndDoc();    // EInOutError when the PDF cannot be written or the queue refuses it
    void Abort();     // drops the document
    bool GetPrinting() const { return printing_; }
    bool GetAborted() const { return aborted_; }
    int GetPageNumber() const { return pageNumber_; }
    TPrinterCanvas* GetCanvas() { return canvas_.get(); }

  private:
    friend class TPrinterCanvas;
    struct TTextRun {
        int x = 0, y = 0;
        std::string text;
        LOGFONT font;
        int fontPixelsPerInch = 96;
        COLORREF color = 0;
    };
    struct TDocument;
    void CheckPrinting() const;
    void FlushPage();
    // A font's height in printer pixels, from its own pixels per inch.
    int PrinterFontHeight(const TFont& font) const;

    std::unique_ptr<TPrinterCanvas> canvas_;
    std::unique_ptr<TDocument> document_;
    std::vector<TTextRun> runs_;
    std::vector<std::string> printers_;
    bool printersKnown_ = false;
    int printerIndex_ = -1;
    TPrinterOrientation orientation_ = poPortrait;
    bool printing_ = false;
    bool aborted_ = false;
    int pageNumber_ = 0;
};

// The printer shared by the program, made on first use.
TPrinter* Printer();

// The printer's text channel: each line written goes below the last in the canvas font, starting a
// new page when the page is full. Rewrite begins the document and Close ends it (and the job).
class TPrinterText {
  public:
    explicit TPrinterText(TPrinter* printer = nullptr) : printer_(printer ? printer : Printer()) {}
    void Rewrite();
    void WriteLine(const std::string& line);
    void Close();

  private:
    TPrinter* printer_;
    int y_ = 0;
};

} // namespace zorvy
