#include "platform/classlib/printers/Printers.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Text.h"
#include "platform/classlib/printers/Spooler.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <pango/pangocairo.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <unistd.h>

namespace zorvy {
namespace {

// A4 in inches, and the margin the printable area keeps from the paper's edge.
constexpr double PaperWidthInches = 210.0 / 25.4;
constexpr double PaperHeightInches = 297.0 / 25.4;
constexpr double MarginInches = 0.25;

} // namespace

struct TPrinter::TDocument {
    cairo_surface_t* surface = nullptr;
    std::string path;
    bool temporary = false;
    ~TDocument() {
        if (surface) cairo_surface_destroy(surface);
        if (temporary && !path.empty()) ::unlink(path.c_str());
    }
};

// ---- TPrinterCanvas ----

TPrinterCanvas::~TPrinterCanvas() {
    SetHandle(nullptr);
    if (pageDc_) DeleteDC(pageDc_);
    if (page_) DeleteObject(page_);
}

void TPrinterCanvas::CreateHandle() {
    // The picture of the page, made when something draws on it and kept for the following pages.
    if (!page_) {
        page_ = CreateBitmap(printer_->GetPageWidth(), printer_->GetPageHeight(), 1, 32);
        pageDc_ = CreateCompatibleDC(nullptr);
        SelectObject(pageDc_, page_);
    }
    HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
    zorvy::FillRect(pageDc_, Rect(0, 0, page_->width, page_->height), white);
    DeleteObject(white);
    pageUsed_ = true;
    SetHandle(pageDc_);
}

void TPrinterCanvas::TextOut(int x, int y, const std::string& text) {
    printer_->CheckPrinting();
    TPrinter::TTextRun run;
    run.x = x;
    run.y = y;
    run.text = text;
    run.font = GetFont()->LogFont();
    run.fontPixelsPerInch = GetFont()->PixelsPerInch;
    run.color = ColorToRGB(GetFont()->GetColor());
    printer_->runs_.push_back(std::move(run));
}

TSize TPrinterCanvas::TextExtent(const std::string& text) {
    LOGFONT font = GetFont()->LogFont();
    font.lfHeight = printer_->PrinterFontHeight(*GetFont());
    HDC dc = CreateScreenDC();
    HFONT handle = CreateFontIndirect(font);
    HFONT old = SelectObject(dc, handle);
    TSize size;
    GetTextExtentPoint32(dc, text.empty() ? std::string_view(" ") : std::string_view(text), size);
    if (text.empty()) size.cx = 0;
    SelectObject(dc, old);
    DeleteObject(handle);
    DeleteDC(dc);
    return size;
}

// ---- TPrinter ----

TPrinter::TPrinter() : canvas_(std::make_unique<TPrinterCanvas>(this)) {}

TPrinter::~TPrinter() {
    if (printing_) Abort();
}

const std::vector<std::string>& TPrinter::GetPrinters() {
    if (!printersKnown_) {
        printers_ = ListPrinterQueues(ToolFolder);
        printersKnown_ = true;
    }
    return printers_;
}

void TPrinter::Refresh() {
    printersKnown_ = false;
    printerIndex_ = -1;
}

void TPrinter::SetPrinterIndex(int index) {
    if (index < -1 || index >= static_cast<int>(GetPrinters().size())) throw EPrinter("Printer index out of range");
    printerIndex_ = index;
}

std::string TPrinter::GetPrinterName() {
    const auto& printers = GetPrinters();
    if (printers.empty()) return {};
    return printers[static_cast<std::size_t>(printerIndex_ < 0 ? 0 : printerIndex_)];
}

void TPrinter::SetOrientation(TPrinterOrientation value) {
    if (printing_) throw EPrinter("Printing in progress");
    orientation_ = value;
}

int TPrinter::GetPageWidth() const {
    const double inches = (orientation_ == poPortrait ? PaperWidthInches : PaperHeightInches) - 2 * MarginInches;
    return static_cast<int>(std::lround(inches * GetResolution()));
}

int TPrinter::GetPageHeight() const {
    const double inches = (orientation_ == poPortrait ? PaperHeightInches : PaperWidthInches) - 2 * MarginInches;
    return static_cast<int>(std::lround(inches * GetResolution()));
}

int TPrinter::PrinterFontHeight(const TFont& font) const {
    const int ppi = font.PixelsPerInch > 0 ? font.PixelsPerInch : 96;
    const int h = font.GetHeight() == 0 ? -11 * ppi / 96 : font.GetHeight();
    return static_cast<int>(std::lround(static_cast<double>(h) * GetResolution() / ppi));
}

void TPrinter::CheckPrinting() const {
    if (!printing_) throw EPrinter("Printer is not currently printing");
}

void TPrinter::BeginDoc() {
    if (printing_) throw EPrinter("Printing in progress");
    if (FileName.empty() && GetPrinters().empty()) throw EInOutError("No printer is installed");
    auto document = std::make_unique<TDocument>();
    if (FileName.empty()) {
        std::string pattern = (std::filesystem::temp_directory_path() / "zorvy-print-XXXXXX.pdf").string();
        const int fd = mkstemps(pattern.data(), 4);
        if (fd < 0) throw EInOutError("Cannot create a temporary file for printing");
        ::close(fd);
        document->path = pattern;
        document->temporary = true;
    } else {
        document->path = FileName;
    }
    const double points = 72.0 / GetResolution();
    const double margin = MarginInches * GetResolution();
    document->surface = cairo_pdf_surface_create(document->path.c_str(), (GetPageWidth() + 2 * margin) * points,
                                                 (GetPageHeight() + 2 * margin) * points);
    if (cairo_surface_status(document->surface) != CAIRO_STATUS_SUCCESS)
        throw EInOutError("Cannot create file \"" + document->path + "\"");
    if (!Title.empty()) cairo_pdf_surface_set_metadata(document->surface, CAIRO_PDF_METADATA_TITLE, Title.c_str());
    document_ = std::move(document);
    runs_.clear();
    canvas_->SetHandle(nullptr);
    canvas_->pageUsed_ = false;
    printing_ = true;
    aborted_ = false;
    pageNumber_ = 1;
}

void TPrinter::FlushPage() {
    cairo_t* cr = cairo_create(document_->surface);
    const double margin = MarginInches * GetResolution();
    cairo_scale(cr, 72.0 / GetResolution(), 72.0 / GetResolution());
    cairo_translate(cr, margin, margin);
    if (canvas_->pageUsed_) {
        // The picture goes in only when something was drawn on it.
        const TBitmapObject* page = canvas_->page_;
        bool blank = true;
        for (std::size_t i = 0; blank && i < page->bits.size(); ++i)
            blank = (page->bits[i] & 0xFFFFFF) == 0xFFFFFF;
        if (!blank) {
            cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, page->width, page->height);
            auto* data = cairo_image_surface_get_data(image);
            const int stride = cairo_image_surface_get_stride(image);
            cairo_surface_flush(image);
            for (int y = 0; y < page->height; ++y)
                std::memcpy(data + static_cast<std::ptrdiff_t>(y) * stride, page->Row(y),
                            static_cast<std::size_t>(page->width) * 4);
            cairo_surface_mark_dirty(image);
            cairo_set_source_surface(cr, image, 0, 0);
            cairo_paint(cr);
            cairo_surface_destroy(image);
        }
        canvas_->SetHandle(nullptr);
        canvas_->pageUsed_ = false;
    }
    for (const TTextRun& run : runs_) {
        PangoLayout* layout = pango_cairo_create_layout(cr);
        PangoFontDescription* desc = pango_font_description_new();
        pango_font_description_set_family(desc, run.font.lfFaceName.empty() ? "Sans" : run.font.lfFaceName.c_str());
        const int ppi = run.fontPixelsPerInch > 0 ? run.fontPixelsPerInch : 96;
        const int height = run.font.lfHeight == 0 ? -11 * ppi / 96 : run.font.lfHeight;
        // A negative height is the em size; a positive one the whole cell, of which the em is about 4/5.
        double pixels = std::abs(height) * static_cast<double>(GetResolution()) / ppi;
        if (height > 0) pixels *= 0.8;
        pango_font_description_set_absolute_size(desc, pixels * PANGO_SCALE);
        pango_font_description_set_weight(desc, run.font.lfWeight >= 600 ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
        if (run.font.lfItalic) pango_font_description_set_style(desc, PANGO_STYLE_ITALIC);
        pango_layout_set_font_description(layout, desc);
        pango_layout_set_text(layout, run.text.c_str(), static_cast<int>(run.text.size()));
        cairo_set_source_rgb(cr, (run.color & 0xFF) / 255.0, ((run.color >> 8) & 0xFF) / 255.0,
                             ((run.color >> 16) & 0xFF) / 255.0);
        cairo_move_to(cr, run.x, run.y);
        pango_cairo_show_layout(cr, layout);
        pango_font_description_free(desc);
        g_object_unref(layout);
    }
    runs_.clear();
    cairo_show_page(cr);
    cairo_destroy(cr);
}

void TPrinter::NewPage() {
    CheckPrinting();
    FlushPage();
    ++pageNumber_;
}

void TPrinter::EndDoc() {
    CheckPrinting();
    FlushPage();
    printing_ = false;
    // The document (and its temporary file) goes when this returns, also when the queue refuses it.
    const std::unique_ptr<TDocument> document = std::move(document_);
    cairo_surface_finish(document->surface);
    const cairo_status_t status = cairo_surface_status(document->surface);
    if (status != CAIRO_STATUS_SUCCESS)
        throw EInOutError("Cannot write file \"" + document->path + "\": " + cairo_status_to_string(status));
    if (FileName.empty()) SpoolPdf(ToolFolder, GetPrinterName(), Title, Copies, document->path);
}

void TPrinter::Abort() {
    if (!printing_) return;
    printing_ = false;
    aborted_ = true;
    runs_.clear();
    canvas_->SetHandle(nullptr);
    canvas_->pageUsed_ = false;
    // A half-written file is deleted too.
    if (document_) document_->temporary = true;
    document_.reset();
}

TPrinter* Printer() {
    static TPrinter printer;
    return &printer;
}

// ---- TPrinterText ----

void TPrinterText::Rewrite() {
    printer_->BeginDoc();
    y_ = 0;
}

void TPrinterText::WriteLine(const std::string& line) {
    TPrinterCanvas* canvas = printer_->GetCanvas();
    const int height = canvas->TextHeight(line);
    if (y_ > 0 && y_ + height > printer_->GetPageHeight()) {
        printer_->NewPage();
        y_ = 0;
    }
    canvas->TextOut(0, y_, line);
    y_ += height;
}

void TPrinterText::Close() {
    printer_->EndDoc();
}

} // namespace zorvy
