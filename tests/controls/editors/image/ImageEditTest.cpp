// The image editor: the picture as the value (an unreadable stored picture keeps its bytes), the
// picture's place in the client area, the context menu's items, clipboard keys and the graphic class
// setting with its streaming.
#include "controls/editors/image/ImageEdit.h"

#include "controls/editors/framework/EditRepository.h"
#include "controls/editors/image/ImageViewInfo.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/ImageCodecs.h"
#include "platform/rtl/Filer.h"
#include "platform/rtl/Streams.h"
#include "platform/win/Input.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/VirtualKeys.h"
#include "tests/controls/editors/EditorsFixture.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

std::string SolidPng(int w, int h, std::uint32_t argb) {
    HBITMAP b = CreateBitmap(w, h, 1, 32);
    std::fill(b->bits.begin(), b->bits.end(), argb);
    const auto bytes = SavePng(b, true);
    DeleteObject(b);
    return std::string(bytes.begin(), bytes.end());
}

class ImageEditTest : public EditorsTest {
  protected:
    TcxImage* NewImage(int w = 100, int h = 100) {
        form = NewForm();
        auto* image = new TcxImage(form);
        image->SetParent(form);
        image->SetBounds(10, 10, w, h);
        image->GetProperties()->SetGraphicClass(TdxPNGImage::StaticClass());
        form->Show();
        Pump();
        return image;
    }
    TForm* form = nullptr;
};

TEST_F(ImageEditTest, TheValueIsThePicturesBytesAndAnUnreadableOneIsKept) {
    TcxImage* image = NewImage();
    EXPECT_EQ(image->GetWidth(), 100);
    image->SetEditValue(Variant::FromBytes(SolidPng(20, 10, 0xFFFF0000)));
    EXPECT_EQ(image->GetPicture()->GetWidth(), 20);
    EXPECT_EQ(image->GetEditValue().VarType(), varString);
    // A stored value that does not decode stays the value: nothing saves Null over it.
    const Variant broken = Variant::FromBytes(std::string("\x89PNG\r\n\x1a\n garbage that is no picture"));
    image->SetEditValue(broken);
    EXPECT_TRUE(image->IsPictureUnreadable());
    EXPECT_TRUE(image->GetPicture()->GetGraphic() == nullptr);
    EXPECT_EQ(image->GetEditValue().RawString(), broken.RawString());
    EXPECT_EQ(image->GetPictureValue().RawString(), broken.RawString());
    // A picture the user gives replaces it.
    const std::string green = SolidPng(4, 4, 0xFF00FF00);
    TdxPNGImage fresh;
    fresh.LoadFromBytes({reinterpret_cast<const std::uint8_t*>(green.data()), green.size()});
    image->GetPicture()->SetGraphic(&fresh);
    EXPECT_FALSE(image->IsPictureUnreadable());
    EXPECT_EQ(image->GetEditValue().VarType(), varString);
    EXPECT_NE(image->GetEditValue().RawString(), broken.RawString());
    // Deleting gives Null.
    image->ClearValue();
    EXPECT_TRUE(image->GetEditValue().IsNull());
}

TEST_F(ImageEditTest, AStretchedPictureKeepsItsProportionsAtTheTopOrCentred) {
    EXPECT_EQ(FitRectProportionally({0, 0, 100, 100}, 200, 100), (TRect{0, 0, 100, 50}));
    EXPECT_EQ(FitRectProportionally({0, 0, 100, 100}, 50, 200), (TRect{0, 0, 25, 100}));
    EXPECT_EQ(FitRectProportionally({0, 0, 0, 100}, 50, 200), (TRect{0, 0, 0, 100}));

    TcxImageViewInfo vi;
    TPicture picture;
    TBitmap bitmap;
    bitmap.SetSize(200, 100);
    picture.SetGraphic(&bitmap);
    vi.SetPicture(&picture);
    vi.ClientRect = {0, 0, 100, 100};
    vi.ProportionalStretch = true;
    vi.Center = false;
    EXPECT_EQ(vi.PictureRect(), (TRect{0, 0, 100, 50}));
    vi.Center = true;
    EXPECT_EQ(vi.PictureRect(), (TRect{0, 25, 100, 75}));
    // Without stretch: the picture's size, moved back by the scroll offset unless centred.
    vi.ProportionalStretch = false;
    vi.Center = false;
    vi.TopLeft = {30, 10};
    EXPECT_EQ(vi.PictureRect(), (TRect{-30, -10, 170, 90}));
}

TEST_F(ImageEditTest, PaintsTheStretchedPictureAndTheBackgroundAroundIt) {
    TcxImage* image = NewImage(102, 102); // a 100 x 100 client area inside the border
    image->GetProperties()->SetStretch(true);
    image->GetProperties()->SetCenter(true);
    image->SetEditValue(Variant::FromBytes(SolidPng(20, 10, 0xFFFF0000)));
    Pump();
    const TRect client = image->GetEditViewInfo()->ClientRect;
    const int midX = 10 + client.Left + client.Width() / 2, midY = 10 + client.Top + client.Height() / 2;
    EXPECT_EQ(PixelAt(form, midX, midY), RGB(255, 0, 0));
    // Upscaled five times, the last source row still shows: the bottom row of the picture is red.
    const int bottom = 10 + client.Top + (client.Height() + client.Width() / 2) / 2 - 1;
    EXPECT_EQ(PixelAt(form, midX, bottom), RGB(255, 0, 0));
    EXPECT_EQ(PixelAt(form, midX, 10 + client.Top + 3), ColorToRGB(clWindow));
    // The unreadable value shows as such rather than as an empty picture.
    image->SetEditValue(Variant::FromBytes("definitely not a picture"));
    Pump();
    EXPECT_EQ(PixelAt(form, midX, 10 + client.Top + 3), ColorToRGB(clWindow));
}

TEST_F(ImageEditTest, TheMenuShowsItsItemsAndEnablesThemByThePicture) {
    TcxImage* image = NewImage();
    TPopupMenu* menu = image->UpdatePopupMenu();
    TMenuItem* items = menu->GetItems();
    ASSERT_EQ(items->GetCount(), 9);
    auto visible = [&] {
        std::string shown;
        for (int i = 0; i < items->GetCount(); ++i)
            if (items->GetItem(i)->Visible) shown += items->GetItem(i)->Caption + ";";
        return shown;
    };
    EXPECT_EQ(visible(), "Cu&t;&Copy;&Paste;&Delete;-;&Load...;Save &As...;");
    EXPECT_FALSE(items->GetItem(0)->Enabled); // nothing to cut from an empty picture
    EXPECT_TRUE(items->GetItem(5)->Enabled);

    image->GetProperties()->GetPopupMenuLayout()->MenuItems = PopupMenuItemBit(pmiCustom);
    image->GetProperties()->GetPopupMenuLayout()->CustomMenuItemCaption = "Rotate";
    image->UpdatePopupMenu();
    EXPECT_EQ(visible(), "-;Rotate;");
    int custom = 0;
    image->GetProperties()->OnCustomClick = [&](TObject*) { ++custom; };
    items->GetItem(8)->Click();
    EXPECT_EQ(custom, 1);

    // Icons can be neither cut nor copied.
    image->GetProperties()->GetPopupMenuLayout()->MenuItems = 63;
    image->GetProperties()->SetGraphicClass(TIcon::StaticClass());
    TIcon icon;
    icon.SetImage(CreateBitmap(8, 8, 1, 32));
    image->GetPicture()->SetGraphic(&icon);
    image->UpdatePopupMenu();
    EXPECT_FALSE(items->GetItem(0)->Enabled);
    EXPECT_FALSE(items->GetItem(1)->Enabled);
    EXPECT_TRUE(items->GetItem(3)->Enabled);
    EXPECT_FALSE(items->GetItem(2)->Enabled); // nothing pastes into an icon
}

TEST_F(ImageEditTest, ClipboardKeysCopyAndPasteThePicture) {
    TcxImage* image = NewImage();
    image->SetEditValue(Variant::FromBytes(SolidPng(7, 3, 0xFF0000FF)));
    image->SetFocus();
    Pump();
    InjectKey(VK_CONTROL, true);
    display.PressKey(VK_INSERT);
    InjectKey(VK_CONTROL, false);
    Pump();
    HBITMAP copied = GetClipboardImage();
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->width, 7);
    DeleteObject(copied);
    image->ClearValue();
    EXPECT_TRUE(image->GetEditValue().IsNull());
    InjectKey(VK_SHIFT, true);
    display.PressKey(VK_INSERT);
    InjectKey(VK_SHIFT, false);
    Pump();
    EXPECT_EQ(image->GetPicture()->GetWidth(), 7);
    EXPECT_EQ(image->GetPicture()->GetGraphic()->ClassType(), TdxPNGImage::StaticClass());
}

TEST_F(ImageEditTest, GraphicClassNamesAreRegisteredOnesAndANilClassIsStreamed) {
    TcxImageProperties p(nullptr);
    EXPECT_EQ(p.GetGraphicClassName(), "TBitmap");
    p.SetGraphicClassName("TMetafile");
    EXPECT_EQ(p.GetGraphicClassName(), "TBitmap");
    p.SetGraphicClassName("tjpegimage");
    EXPECT_EQ(p.GetGraphicClassName(), "TJPEGImage");
    p.SetGraphicClassName("");
    TMemoryStream stream;
    TWriter writer(stream);
    writer.WriteDefinedProperties(p);
    stream.SetPosition(0);
    TcxImageProperties back(nullptr);
    EXPECT_EQ(back.GetGraphicClassName(), "TBitmap");
    TReader reader(stream);
    reader.ReadDefinedProperties(back);
    EXPECT_EQ(back.GetGraphicClassName(), "");

    InitializeImageUnit();
    const int index = GetEditPropertiesRegistry()->IndexOfClass(TcxImageProperties::StaticClass());
    ASSERT_GE(index, 0);
    EXPECT_EQ(GetEditPropertiesRegistry()->GetDescription(index), "Image|Represents an image editor");
    FinalizeImageUnit();
}

TEST_F(ImageEditTest, CellsDecodeAValueOnceAndShareThePicture) {
    ClearPictureCache();
    const std::string png = SolidPng(5, 5, 0xFF808080);
    bool unreadable = true;
    auto first = CachedPictureOfValue(png, TdxPNGImage::StaticClass(), gtDefault, &unreadable);
    EXPECT_FALSE(unreadable);
    auto second = CachedPictureOfValue(png, TdxPNGImage::StaticClass(), gtDefault);
    EXPECT_EQ(first.get(), second.get());
    EXPECT_NE(CachedPictureOfValue(png, TdxPNGImage::StaticClass(), gtTransparent).get(), first.get());
    EXPECT_EQ(CachedPictureOfValue("junk bytes, no picture", nullptr, gtDefault, &unreadable), nullptr);
    EXPECT_TRUE(unreadable);
}

} // namespace
} // namespace zorvy::test
