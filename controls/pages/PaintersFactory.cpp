// The painter class registry and the choice of the default style.
#include "controls/pages/PaintersFactory.h"

#include <algorithm>
#include <memory>

namespace zorvy {
namespace {

std::unique_ptr<TcxPCPaintersFactory>& FactoryInstance() {
    static std::unique_ptr<TcxPCPaintersFactory> factory;
    return factory;
}

} // namespace

void RaisePCError(const std::string& className, const std::string& routine, const std::string& text) {
    throw EcxPCError(className + "." + routine + ": " + text);
}

TcxPCPaintersFactory* PaintersFactory() {
    return FactoryInstance().get();
}

void RegisterPCPainterClass(TcxPCPainterClass painterClass) {
    auto& factory = FactoryInstance();
    if (!factory) factory = std::make_unique<TcxPCPaintersFactory>();
    auto& classes = factory->classes_;
    if (std::find(classes.begin(), classes.end(), painterClass) == classes.end()) classes.push_back(painterClass);
}

void UnregisterPCPainterClass(TcxPCPainterClass painterClass) {
    auto& factory = FactoryInstance();
    if (!factory) return;
    auto& classes = factory->classes_;
    classes.erase(std::remove(classes.begin(), classes.end(), painterClass), classes.end());
    if (classes.empty()) factory.reset();
}

void FinalizePaintersFactory() {
    FactoryInstance().reset();
}

TcxPCPainterClass TcxPCPaintersFactory::GetPainterClass(int styleID) const {
    for (TcxPCPainterClass c : classes_)
        if (c->GetStyleID() == styleID) return c;
    return nullptr;
}

TcxPCCustomPainter* TcxPCPaintersFactory::GetPainterInstance(TcxPCPainterClass painterClass,
                                                             TcxCustomTabControl* control) const {
    if (!painterClass)
        RaisePCError("TcxPCPaintersFactory", "GetPainterInstance", ResolveResourceString(scxPCPainterClassIsNil));
    return painterClass->CreateInstance(control);
}

int TcxPCPaintersFactory::GetStyleIDByLookAndFeel(TcxLookAndFeel* lookAndFeel) const {
    for (auto it = classes_.rbegin(); it != classes_.rend(); ++it)
        if ((*it)->IsDefaultForLookAndFeel(lookAndFeel)) return (*it)->GetStyleID();
    return -1;
}

int TcxPCPaintersFactory::GetDefaultStyleID(TcxLookAndFeel* lookAndFeel) const {
    if (classes_.empty())
        RaisePCError("TcxPCPaintersFactory", "GetDefaultStyleID", ResolveResourceString(scxPCNoRegisteredStyles));
    for (auto it = classes_.rbegin(); it != classes_.rend(); ++it)
        if ((*it)->IsDefaultForNativeStyle(lookAndFeel)) return (*it)->GetStyleID();
    return classes_.front()->GetStyleID();
}

} // namespace zorvy
