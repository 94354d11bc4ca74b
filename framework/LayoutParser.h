// Stored form layouts: the text format and its parser.
//
//   object frmMain: TfrmMain            a component: name, class
//     Caption = 'Velmora Free Center'   text; '' is a quote, #9 a character code: 'a'#9'b'
//     ClientWidth = 800                 integer (decimal, $hex or 0xhex, optional minus)
//     Font.Style = [fsBold]             nested property; set of members
//     Color = clBtnFace                 identifier: enumeration member, colour, True/False,
//     OnCreate = FormCreate               handler name or component name
//     Picture = resource('BACKGROUND')  a picture loaded from a named resource
//     Picture = {424D3600...}           an object's data (a BMP file image), hex, any lines
//     Buttons = <                       a collection: its items in order, each with its
//       item                              properties
//         Visible = False
//       end>
//     object Image1: TImage             children, in creation order
//     end
//   end
//
// Comments run from // to the end of the line.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class ELayoutError : public std::runtime_error {
public:
    ELayoutError(const std::string& layout, int line, const std::string& message);
    const std::string& Layout() const { return layout_; }
    int Line() const { return line_; }

private:
    std::string layout_;
    int line_;
};

struct TLayoutProperty;

// One item of a stored collection.
struct TLayoutItem {
    int Line = 0;
    std::vector<TLayoutProperty> Properties;
};

struct TLayoutValue {
    enum Kind { Integer, String, Identifier, Set, Resource, Data, Collection } Kind = Integer;
    int64_t Int = 0;
    std::string Text;                  // String, Identifier, Resource
    std::vector<std::string> Items;    // Set
    std::vector<uint8_t> Bytes;        // Data
    std::vector<TLayoutItem> Elements; // Collection
};

struct TLayoutProperty {
    std::string Path; // "Font.Name"
    TLayoutValue Value;
    int Line = 0;
};

struct TLayoutObject {
    std::string Name;
    std::string ClassName;
    int Line = 0;
    std::vector<TLayoutProperty> Properties;
    std::vector<TLayoutObject> Children;
};

// Parses one layout holding exactly one root object. Raises ELayoutError naming the layout
// and the line.
TLayoutObject ParseLayout(std::string_view text, const std::string& layoutName);
