// The standard editors' photo.
#include "ValueEditorSheets.h"

#include "controls/editors/blob/BlobEdit.h"
#include "controls/editors/currency/CurrencyEdit.h"
#include "controls/editors/framework/EditUnit.h"
#include "controls/editors/hyperlink/HyperLinkEdit.h"
#include "controls/editors/image/ImageEdit.h"
#include "controls/editors/memo/MemoEdit.h"
#include "controls/editors/mru/MRUEdit.h"
#include "platform/classlib/Forms.h"
#include "platform/display/HeadlessDisplay.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/ImageCodecs.h"

namespace zorvy::gallery {

namespace {
// A 40 x 20 picture: a blue-to-red ramp with a white ring, half transparent at the right end.
Variant SamplePicture() {
    HBITMAP b = CreateBitmap(40, 20, 1, 32);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x) {
            const int dx = x - 20, dy = y - 10;
            const bool ring = dx * dx + dy * dy >= 36 && dx * dx + dy * dy <= 64;
            const std::uint32_t a = x < 34 ? 255 : 128;
            const std::uint32_t r = ring ? 255 : std::uint32_t(x * 255 / 39), g = ring ? 255 : 60,
                                bl = ring ? 255 : std::uint32_t(255 - x * 255 / 39);
            b->Row(y)[x] = (a << 24) | ((r * a / 255) << 16) | ((g * a / 255) << 8) | (bl * a / 255);
        }
    const auto png = SavePng(b, true);
    DeleteObject(b);
    return Variant::FromBytes(std::string(png.begin(), png.end()));
}
} // namespace

std::string DrawValueEditorPhoto(THeadlessDisplay& display, const std::string& folder) {
    InitializeForms();
    InitializeEditUnit();
    auto* form = Application->CreateForm<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 520, 306);
    form->Show();
    auto place = [&](TcxCustomEdit* edit, int left, int top, int width, int height) {
        edit->SetParent(form);
        edit->SetBounds(left, top, width, height);
        edit->GetStyle()->SetBorderStyle(cbsSingle);
        edit->GetStyle()->SetTransparentBorder(false);
    };
    auto* memo = new TcxMemo(form);
    place(memo, 10, 10, 240, 80);
    memo->SetText("开奖号码 03 07 12 19 25 31\r\n第二行 second line, long enough to wrap at the memo's edge\r\n第三行");

    auto* stretched = new TcxImage(form);
    place(stretched, 260, 10, 120, 80);
    stretched->GetProperties()->SetGraphicClass(TdxPNGImage::StaticClass());
    stretched->GetProperties()->SetStretch(true);
    stretched->SetEditValue(SamplePicture());
    auto* plain = new TcxImage(form);
    place(plain, 390, 10, 120, 38);
    plain->GetProperties()->SetGraphicClass(TdxPNGImage::StaticClass());
    plain->SetEditValue(SamplePicture());
    auto* caption = new TcxImage(form);
    place(caption, 390, 52, 120, 38);
    caption->GetProperties()->SetCaption("无图片 no picture");
    auto* unreadable = new TcxImage(form);
    place(unreadable, 260, 100, 250, 40);
    unreadable->SetEditValue(Variant::FromBytes("\x89PNG but not really a picture"));

    auto* currency = new TcxCurrencyEdit(form);
    place(currency, 10, 100, 240, 21);
    currency->SetValue(1234.5);
    auto* nullCurrency = new TcxCurrencyEdit(form);
    place(nullCurrency, 10, 130, 240, 21);
    nullCurrency->GetProperties()->SetNullString("(无金额 none)");
    nullCurrency->SetEditValue(Variant::Null());

    auto* mru = new TcxMRUEdit(form);
    place(mru, 10, 160, 240, 21);
    mru->GetProperties()->SetLookupItems({"最近 recent 1", "最近 recent 2"});
    mru->SetText("最近 recent 1");

    auto* link = new TcxHyperLinkEdit(form);
    place(link, 10, 190, 240, 21);
    link->SetText("http://example.org/开奖");
    auto* red = new TcxHyperLinkEdit(form);
    place(red, 10, 220, 240, 21);
    red->GetProperties()->SetLinkColor(clRed);
    red->SetText("mailto:someone@example.org");

    // Blob editors: a filled memo's icon, a picture's text, and each kind's icons empty and filled.
    const TcxBlobEditKind kinds[] = {bekMemo, bekPict, bekOle, bekBlob};
    for (int i = 0; i < 8; ++i) {
        auto* blob = new TcxBlobEdit(form);
        place(blob, 10 + i * 30, 250, 28, 21);
        blob->GetProperties()->GetButtons()->ButtonAt(0)->SetVisible(false);
        blob->GetProperties()->SetBlobEditKind(kinds[i / 2]);
        blob->SetEditValue(i % 2 ? Variant::FromBytes("content") : Variant::Null());
    }
    auto* blobText = new TcxBlobEdit(form);
    place(blobText, 10, 275, 240, 21);
    blobText->GetProperties()->SetBlobEditKind(bekPict);
    blobText->GetProperties()->SetBlobPaintStyle(bpsDefault);
    blobText->SetEditValue(Variant::FromBytes("content"));

    auto* focusedImage = new TcxImage(form);
    place(focusedImage, 260, 150, 250, 120);
    focusedImage->GetProperties()->SetGraphicClass(TdxPNGImage::StaticClass());
    focusedImage->GetProperties()->SetStretch(true);
    focusedImage->GetProperties()->SetCenter(true);
    focusedImage->SetEditValue(SamplePicture());
    focusedImage->SetFocus();
    Application->ProcessMessages();

    const std::string path = folder + "/editors-memo-image-blob-currency-mru-link.png";
    display.SavePng(form->GetHandle(), path);
    delete form;
    Application->ProcessMessages();
    FinalizeEditUnit();
    FinalizeForms();
    return path;
}

} // namespace zorvy::gallery
