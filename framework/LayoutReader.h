// Applies a parsed layout to a root component: creates the children by class name, sets
// their properties through the type information, binds events to the root's published
// methods by handler name and resolves component references after everything was read.
#pragma once

#include "framework/Classes.h"
#include "framework/LayoutParser.h"
#include "framework/Types.h"

#include <optional>

class TLayoutReader {
public:
    TLayoutReader(const TClassRegistry& classes, std::string layoutName)
        : classes_(classes), layoutName_(std::move(layoutName)) {}

    // The root object's class must be the root's class (or one of its ancestors).
    void Read(TComponent& root, const TLayoutObject& layout);

private:
    struct Fixup {
        TObject* Target;
        const TPropInfo* Prop;
        std::string ComponentName;
        int Line;
    };

    void ReadObject(TComponent& root, TComponent& component, const TLayoutObject& layout);
    void ApplyProperty(TComponent& root, TObject& target, const TLayoutProperty& prop);
    void ReadCollection(TComponent& root, TObject& target, const TPropInfo& info,
                        const TLayoutValue& value, int line);
    void ReadData(TObject& target, const TPropInfo& info, const TLayoutValue& value, int line);
    [[noreturn]] void Fail(int line, const std::string& message) const;

    const TClassRegistry& classes_;
    std::string layoutName_;
    std::vector<Fixup> fixups_;
    std::vector<TComponent*> loaded_;
};

// Colour identifiers of layouts ("clBtnFace", "clWhite", ...).
std::optional<TColor> IdentToColor(std::string_view name);
