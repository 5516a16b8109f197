// The data-maintenance window's components: heading, pages, entry field, data sets and data sources,
// and connecting its data sources when it is shown.
#include "app/DataMaintenance.h"

#include "app/MainForm.h"
#include "app/Program.h"
#include "app/ToolImages.h"
#include "controls/textfx/AAControls.h"
#include "controls/textfx/AAEffects.h"
#include "platform/classlib/stdctrls/Buttons.h"
#include "platform/classlib/stdctrls/Edits.h"
#include "platform/classlib/stdctrls/Images.h"
#include "platform/classlib/stdctrls/Labels.h"
#include "platform/classlib/stdctrls/PageControl.h"
#include "platform/classlib/stdctrls/Panels.h"
#include "platform/db/ADOConnection.h"
#include "platform/db/ADODataSet.h"
#include "platform/db/DataSource.h"

namespace zorvy {

namespace {

// Credentials belong in the data source's own configuration, never in the program.
constexpr const char* SourcePrefix = "Provider=MSDASQL.1;Persist Security Info=True;User ID=admin;Data Source=";
constexpr int PageHeight = 440; // the pages between the heading and the entry strip
constexpr int BoxHeight = 19;

template <class T> T* PlaceOn(TComponent* owner, TWinControl* parent, const std::string& name, const TRect& bounds) {
    auto* control = new T(owner);
    control->SetName(name);
    control->SetParent(parent);
    control->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    return control;
}

TADOQuery* DrawQuery(TComponent* owner, const std::string& name, TADOConnection* connection, int lottery) {
    auto* query = new TADOQuery(owner);
    query->SetName(name);
    query->SetConnection(connection);
    query->SetCursorType(TCursorType::ctStatic);
    query->SetSQLText("select * from Lotteryissue where Lotteryid=" + std::to_string(lottery) + " order by issue");
    return query;
}

TDataSource* SourceOn(TComponent* owner, const std::string& name, TDataSet* dataSet) {
    auto* source = new TDataSource(owner);
    source->SetName(name);
    source->SetDataSet(dataSet);
    return source;
}

TADOConnection* Connection(TComponent* owner, const std::string& name, const std::string& source) {
    auto* connection = new TADOConnection(owner);
    connection->SetName(name);
    connection->SetLoginPrompt(false);
    connection->SetConnectionString(SourcePrefix + source);
    return connection;
}

} // namespace

TFrdatamodify::TFrdatamodify(TComponent* owner) : TForm(owner) {
    SetName("Frdatamodify");
    SetCaption("数据维护");
    SetBorderStyle(bsDialog);
    Position = poMainFormCenter;
    SetClientWidth(666);
    SetClientHeight(564);
    BuildWindow();
    BindDataSets();
    BuildGrids();
    OnCreate = [this](TObject* sender) { FormCreate(sender); };
    OnShow = [this](TObject* sender) { FormShow(sender); };
}

void TFrdatamodify::BuildWindow() {
    Panel1 = PlaceOn<TPanel>(this, this, "Panel1", {0, 0, 666, 49});
    Panel1->SetAlign(alTop);
    Panel1->SetCaption("");
    Image1 = PlaceOn<TImage>(this, Panel1, "Image1", {4, 0, 58, 48});
    Image1->SetCenter(true);
    TBitmap* picture = Image1->GetPicture()->GetBitmap();
    picture->SetSize(ToolImageSize, ToolImageSize);
    picture->GetCanvas()->GetBrush()->SetColor(clBtnFace);
    picture->GetCanvas()->FillRect({0, 0, ToolImageSize, ToolImageSize});
    DrawToolImage(picture->GetCanvas(), tiDatabase);
    AALabel1 = PlaceOn<TAALabel>(this, Panel1, "AALabel1", {72, 10, 400, 40});
    AALabel1->GetParentEffect()->SetParentFont(false);
    AALabel1->GetEffect()->SetTransparent(true); // on the panel's face
    AALabel1->GetFont()->SetName("Tahoma");
    AALabel1->GetFont()->SetHeight(-20);
    TAAEffect* effect = AALabel1->GetEffect()->GetFontEffect();
    effect->GetShadow()->SetEnabled(true);
    effect->GetGradual()->SetEnabled(true);
    effect->GetGradual()->SetStartColor(TColor(4868863));
    effect->GetGradual()->SetEndColor(TColor(4227072));
    AALabel1->SetCaption("为你提供最新数据分析");

    PageControl1 = PlaceOn<TPageControl>(this, this, "PageControl1", {0, 49, 666, 49 + PageHeight});
    const char* captions[3] = {"Tekpa", "体彩22选5", "TabSheet3"};
    std::array<TTabSheet**, 3> pages = {&TabSheet1, &TabSheet2, &TabSheet3};
    for (int i = 0; i < 3; ++i) {
        auto* page = new TTabSheet(this);
        page->SetName("TabSheet" + std::to_string(i + 1));
        page->SetCaption(captions[i]);
        page->SetPageControl(PageControl1);
        *pages[i] = page;
    }
    TabSheet3->SetTabVisible(false);
    BuildPage(TabSheet1, CheckBox1, "CheckBox1");
    BuildPage(TabSheet2, CheckBox2, "CheckBox2");
    CheckBox1->OnClick = [this](TObject* sender) { CheckBox1Click(sender); };
    CheckBox2->OnClick = [this](TObject* sender) { CheckBox2Click(sender); };

    const int strip = 49 + PageHeight + 20;
    Label1 = PlaceOn<TLabel>(this, this, "Label1", {12, strip + 4, 84, strip + 20});
    Label1->SetCaption("最后开奖码");
    Edit1 = PlaceOn<TEdit>(this, this, "Edit1", {88, strip, 260, strip + 23});
    Edit1->SetHint("回车保存");
    Edit1->SetShowHint(true);
    Edit1->OnKeyPress = [this](TObject* sender, char32_t& key) { Edit1KeyPress(sender, key); };
    Button1 = PlaceOn<TButton>(this, this, "Button1", {280, strip - 1, 380, strip + 24});
    Button1->SetCaption("补充蓝球");
    Button1->SetShowHint(true);
    Button1->OnClick = [this](TObject* sender) { Button1Click(sender); };
}

void TFrdatamodify::BuildPage(TTabSheet* page, TCheckBox*& box, const std::string& boxName) {
    // The grid of the page fills it above the box.
    const TRect client = page->GetClientRect();
    box = PlaceOn<TCheckBox>(this, page, boxName, {8, client.Bottom - BoxHeight - 6, 120, client.Bottom - 6});
    box->SetCaption("允许编辑");
}

void TFrdatamodify::BindDataSets() {
    Connet = Connection(this, "Connet", MaintenanceDrawSource);
    Tkpdata = DrawQuery(this, "Tkpdata", Connet, TekpaLottery);
    Ds_tkp = SourceOn(this, "Ds_tkp", Tkpdata);
    Tc22x5data = DrawQuery(this, "Tc22x5data", Connet, Choose5Of22Lottery);
    Ds_22x5 = SourceOn(this, "Ds_22x5", Tc22x5data);
    Tkpdata->BeforeInsert = [this](TDataSet* dataSet) { TkpdataBeforeInsert(dataSet); };
    Tkpdata->AfterInsert = [this](TDataSet* dataSet) { TkpdataAfterInsert(dataSet); };
    Tkpdata->AfterPost = [this](TDataSet* dataSet) { TkpdataAfterPost(dataSet); };
    Tc22x5data->BeforeInsert = [this](TDataSet* dataSet) { Tc22x5dataBeforeInsert(dataSet); };
    Tc22x5data->AfterInsert = [this](TDataSet* dataSet) { Tc22x5dataAfterInsert(dataSet); };
    Tc22x5data->AfterPost = [this](TDataSet* dataSet) { Tc22x5dataAfterPost(dataSet); };
    for (TADOQuery* draws : {Tkpdata, Tc22x5data}) {
        draws->BeforeDelete = [this](TDataSet* dataSet) { DrawBeforeDelete(dataSet); };
        draws->AfterDelete = [this](TDataSet*) { drawsChanged_ = true; };
    }

    LQconnet = Connection(this, "LQconnet", BlueBallSource);
    LQ = new TADOQuery(this);
    LQ->SetName("LQ");
    LQ->SetConnection(LQconnet);
    LQ->SetCursorType(TCursorType::ctStatic);
    LQ->SetSQLText("select * from FL_issue where (Lotissue=:Lotissue) ");
    LQ->GetParameters().ParamByName("Lotissue")->SetDataType(TFieldType::ftString);
    Ds_LQ = SourceOn(this, "Ds_LQ", LQ);
}

void TFrdatamodify::FormCreate(TObject*) {
    if (Frmain) Edit1->SetText(Frmain->DrawCode());
}

void TFrdatamodify::FormShow(TObject*) {
    ConnectDrawTables();
    ConnectBlueBalls();
    PageControl1->SetActivePage(TabSheet1);
    if (Tkpdata->GetActive()) Tkpdata->Last();
    RefreshNavigators();
}

void TFrdatamodify::ConnectDrawTables() {
    if (Tkpdata->GetActive() && Tc22x5data->GetActive()) return;
    drawProblem_.clear();
    try {
        Connet->Open();
        Tkpdata->Open();
        Tc22x5data->Open();
    } catch (const std::exception& e) {
        drawProblem_ = std::string("无法打开开奖数据（数据源 ") + MaintenanceDrawSource + "）：" + e.what();
        Connet->Close();
    }
    const bool connected = drawProblem_.empty();
    CheckBox1->SetEnabled(connected);
    CheckBox2->SetEnabled(connected);
    if (!connected)
        Application->MessageBox(drawProblem_, "数据维护", MB_OK | MB_ICONWARNING);
}

void TFrdatamodify::ConnectBlueBalls() {
    if (!LQconnet->GetConnected()) {
        blueProblem_.clear();
        try {
            LQconnet->Open();
        } catch (const std::exception& e) {
            blueProblem_ = std::string("无法连接蓝球数据源 ") + BlueBallSource + "：" + e.what();
        }
    }
    // Filling needs both the draws and the blue balls.
    const bool usable = blueProblem_.empty() && drawProblem_.empty();
    Button1->SetEnabled(usable);
    Button1->SetHint(usable ? "" : (blueProblem_.empty() ? drawProblem_ : blueProblem_));
}

bool TFrdatamodify::TakeDrawsChanged() {
    const bool changed = drawsChanged_;
    drawsChanged_ = false;
    return changed;
}

void TFrdatamodify::CheckBox1Click(TObject*) { SetEditing(0, CheckBox1->GetChecked()); }

void TFrdatamodify::CheckBox2Click(TObject*) { SetEditing(1, CheckBox2->GetChecked()); }

} // namespace zorvy
