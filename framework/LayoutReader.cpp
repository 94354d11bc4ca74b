#include "framework/LayoutReader.h"

#include "framework/Collections.h"
#include "framework/Types.h"

#include <memory>

namespace {
struct ColorIdent {
    const char* Name;
    TColor Value;
};

constexpr ColorIdent kColorIdents[] = {
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clNone", clNone},
    {"clDefault", clDefault},
    {"clScrollBar", SystemColorBase | 0},
    {"clBackground", SystemColorBase | 1},
    {"clActiveCaption", SystemColorBase | 2},
    {"clInactiveCaption", SystemColorBase | 3},
    {"clMenu", SystemColorBase | 4},
    {"clWindow", SystemColorBase | 5},
    {"clWindowFrame", SystemColorBase | 6},
    {"clMenuText", SystemColorBase | 7},
    {"clWindowText", SystemColorBase | 8},
    {"clCaptionText", SystemColorBase | 9},
    {"clActiveBorder", SystemColorBase | 10},
    {"clInactiveBorder", SystemColorBase | 11},
    {"clAppWorkSpace", SystemColorBase | 12},
    {"clHighlight", SystemColorBase | 13},
    {"clHighlightText", SystemColorBase | 14},
    {"clBtnFace", SystemColorBase | 15},
    {"clBtnShadow", SystemColorBase | 16},
    {"clGrayText", SystemColorBase | 17},
    {"clBtnText", SystemColorBase | 18},
    {"clInactiveCaptionText", SystemColorBase | 19},
    {"clBtnHighlight", SystemColorBase | 20},
    {"cl3DDkShadow", SystemColorBase | 21},
    {"cl3DLight", SystemColorBase | 22},
    {"clInfoText", SystemColorBase | 23},
    {"clInfoBk", SystemColorBase | 24},
};
} // namespace

std::optional<TColor> IdentToColor(std::string_view name) {
    for (const ColorIdent& c : kColorIdents)
        if (SameText(c.Name, name))
            return c.Value;
    return std::nullopt;
}

void TLayoutReader::Fail(int line, const std::string& message) const {
    throw ELayoutError(layoutName_, line, message);
}

void TLayoutReader::Read(TComponent& root, const TLayoutObject& layout) {
    const TClassInfo* declared = classes_.Find(layout.ClassName);
    if (!declared && !SameText(layout.ClassName, root.ClassName()))
        Fail(layout.Line, "unknown class '" + layout.ClassName + "'");
    if (declared && !root.InheritsFrom(*declared))
        Fail(layout.Line,
             "root is a " + std::string(root.ClassName()) + ", not a " + layout.ClassName);
    fixups_.clear();
    loaded_.clear();
    root.BeginLoading();
    loaded_.push_back(&root);
    if (!layout.Name.empty())
        root.SetName(layout.Name);
    ReadObject(root, root, layout);

    for (const Fixup& f : fixups_) {
        TComponent* target =
            SameText(root.Name(), f.ComponentName) ? &root : root.FindComponent(f.ComponentName);
        if (!target)
            Fail(f.Line, "unknown component '" + f.ComponentName + "'");
        if (f.Prop->ValueClass() && !target->InheritsFrom(*f.Prop->ValueClass()))
            Fail(f.Line,
                 "component '" + f.ComponentName + "' is not a " + f.Prop->ValueClass()->Name());
        f.Prop->Set(*f.Target, static_cast<TObject*>(target));
    }
    // Children first, the root last, each once everything is in place.
    for (auto it = loaded_.rbegin(); it != loaded_.rend(); ++it)
        (*it)->Loaded();
}

void TLayoutReader::ReadObject(TComponent& root, TComponent& component,
                               const TLayoutObject& layout) {
    for (const TLayoutProperty& p : layout.Properties)
        ApplyProperty(root, component, p);
    for (const TLayoutObject& child : layout.Children) {
        const TClassInfo* info = classes_.Find(child.ClassName);
        if (!info)
            Fail(child.Line, "unknown class '" + child.ClassName + "'");
        if (!info->Create || !info->InheritsFrom(TComponent::StaticClass()))
            Fail(child.Line, "class '" + child.ClassName + "' cannot be created by a layout");
        if (!child.Name.empty() && root.FindComponent(child.Name))
            Fail(child.Line, "duplicate component name '" + child.Name + "'");
        auto* created = static_cast<TComponent*>(info->Create(&root));
        created->BeginLoading();
        loaded_.push_back(created);
        try {
            created->SetName(child.Name);
            created->SetParentComponent(&component);
        } catch (const std::exception& e) {
            Fail(child.Line, e.what());
        }
        ReadObject(root, *created, child);
    }
}

void TLayoutReader::ApplyProperty(TComponent& root, TObject& start, const TLayoutProperty& prop) {
    // Walk the dotted path through nested objects: Font.Name
    TObject* target = &start;
    std::string_view path = prop.Path;
    for (;;) {
        size_t dot = path.find('.');
        std::string_view part = path.substr(0, dot);
        const TPropInfo* info = target->ClassInfo().FindProperty(part);
        if (!info)
            Fail(prop.Line,
                 "unknown property '" + std::string(part) + "' of class " + target->ClassName());
        if (dot != std::string_view::npos) {
            if (info->Type != TPropType::Object)
                Fail(prop.Line, "property '" + std::string(part) + "' has no sub-properties");
            TObject* nested = std::get<TObject*>(info->Get(*target));
            if (!nested)
                Fail(prop.Line, "property '" + std::string(part) + "' is empty");
            target = nested;
            path = path.substr(dot + 1);
            continue;
        }

        const TLayoutValue& v = prop.Value;
        const std::string name(part);
        auto wrongKind = [&](const char* expected) {
            Fail(prop.Line, "property '" + name + "' expects " + expected);
        };
        try {
            switch (info->Type) {
            case TPropType::Integer:
                if (v.Kind != TLayoutValue::Integer)
                    wrongKind("an integer");
                info->Set(*target, v.Int);
                break;
            case TPropType::Color:
                if (v.Kind == TLayoutValue::Integer) {
                    info->Set(*target, static_cast<int64_t>(static_cast<int32_t>(v.Int)));
                } else if (v.Kind == TLayoutValue::Identifier) {
                    auto c = IdentToColor(v.Text);
                    if (!c)
                        Fail(prop.Line, "unknown colour '" + v.Text + "'");
                    info->Set(*target, static_cast<int64_t>(*c));
                } else {
                    wrongKind("a colour");
                }
                break;
            case TPropType::Boolean:
                if (v.Kind == TLayoutValue::Identifier && SameText(v.Text, "True"))
                    info->Set(*target, true);
                else if (v.Kind == TLayoutValue::Identifier && SameText(v.Text, "False"))
                    info->Set(*target, false);
                else
                    wrongKind("True or False");
                break;
            case TPropType::String:
                if (v.Kind != TLayoutValue::String)
                    wrongKind("a text in quotes");
                info->Set(*target, v.Text);
                break;
            case TPropType::Enum: {
                if (v.Kind != TLayoutValue::Identifier)
                    wrongKind(("a member of " + std::string(info->Enum->Name)).c_str());
                auto member = info->Enum->ValueOf(v.Text);
                if (!member)
                    Fail(prop.Line, "unknown value '" + v.Text + "' for property '" + name + "'");
                info->Set(*target, static_cast<int64_t>(*member));
                break;
            }
            case TPropType::Set: {
                if (v.Kind != TLayoutValue::Set)
                    wrongKind("a set in brackets");
                int64_t bits = 0;
                for (const std::string& item : v.Items) {
                    auto member = info->Enum->ValueOf(item);
                    if (!member)
                        Fail(prop.Line,
                             "unknown set member '" + item + "' for property '" + name + "'");
                    bits |= int64_t{1} << *member;
                }
                info->Set(*target, bits);
                break;
            }
            case TPropType::Object: {
                if (v.Kind == TLayoutValue::Collection) {
                    ReadCollection(root, *target, *info, v, prop.Line);
                    break;
                }
                if (v.Kind == TLayoutValue::Data) {
                    ReadData(*target, *info, v, prop.Line);
                    break;
                }
                if (v.Kind != TLayoutValue::Resource)
                    wrongKind("resource('NAME')");
                if (info->Set && info->ValueClass() && info->ValueClass()->Create) {
                    std::unique_ptr<TObject> temp(info->ValueClass()->Create(nullptr));
                    auto* persistent = As<TPersistent>(temp.get());
                    if (!persistent || !persistent->AssignResource(v.Text))
                        Fail(prop.Line,
                             "cannot load resource '" + v.Text + "' into '" + name + "'");
                    info->Set(*target, temp.get());
                } else {
                    auto* nested = As<TPersistent>(std::get<TObject*>(info->Get(*target)));
                    if (!nested || !nested->AssignResource(v.Text))
                        Fail(prop.Line,
                             "cannot load resource '" + v.Text + "' into '" + name + "'");
                }
                break;
            }
            case TPropType::Component:
                if (v.Kind != TLayoutValue::Identifier)
                    wrongKind("a component name");
                if (SameText(v.Text, "nil"))
                    info->Set(*target, static_cast<TObject*>(nullptr));
                else
                    fixups_.push_back({target, info, v.Text, prop.Line});
                break;
            case TPropType::Event: {
                if (v.Kind != TLayoutValue::Identifier)
                    wrongKind("a handler name");
                const TMethodInfo* method = root.ClassInfo().FindMethod(v.Text);
                if (!method)
                    Fail(prop.Line,
                         "unknown handler '" + v.Text + "' of class " + root.ClassName());
                TMethod bound = method->Bind(root);
                if (info->Signature && bound.Signature && *info->Signature != *bound.Signature)
                    Fail(prop.Line, "handler '" + v.Text + "' does not fit event '" + name + "'");
                info->Set(*target, bound);
                break;
            }
            }
        } catch (const ELayoutError&) {
            throw;
        } catch (const std::exception& e) {
            Fail(prop.Line, "property '" + name + "': " + e.what());
        }
        return;
    }
}

void TLayoutReader::ReadCollection(TComponent& root, TObject& target, const TPropInfo& info,
                                   const TLayoutValue& value, int line) {
    auto* collection = As<TCollection>(std::get<TObject*>(info.Get(target)));
    if (!collection)
        Fail(line, "property '" + info.Name + "' is not a collection");
    // A stored list replaces what the collection held.
    collection->BeginUpdate();
    try {
        collection->Clear();
        for (const TLayoutItem& element : value.Elements) {
            TCollectionItem* item = collection->AddItem();
            for (const TLayoutProperty& p : element.Properties)
                ApplyProperty(root, *item, p);
        }
    } catch (...) {
        collection->EndUpdate();
        throw;
    }
    collection->EndUpdate();
}

void TLayoutReader::ReadData(TObject& target, const TPropInfo& info, const TLayoutValue& value,
                             int line) {
    if (info.Set && info.ValueClass() && info.ValueClass()->Create) {
        std::unique_ptr<TObject> temp(info.ValueClass()->Create(nullptr));
        auto* persistent = As<TPersistent>(temp.get());
        if (!persistent || !persistent->LoadData(value.Bytes))
            Fail(line, "property '" + info.Name + "' cannot hold data");
        info.Set(target, temp.get());
        return;
    }
    auto* nested = As<TPersistent>(std::get<TObject*>(info.Get(target)));
    if (!nested || !nested->LoadData(value.Bytes))
        Fail(line, "property '" + info.Name + "' cannot hold data");
}
