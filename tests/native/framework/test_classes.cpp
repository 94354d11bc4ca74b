#include "test_classes.h"

template <> const TEnumInfo& EnumInfoOf<TShape>() {
    static const TEnumInfo info{"TShape", {"shCircle", "shSquare", "shTriangle"}};
    return info;
}
template <> const TEnumInfo& EnumInfoOf<TEdge>() {
    static const TEnumInfo info{"TEdge", {"edLeft", "edTop", "edRight", "edBottom"}};
    return info;
}

VFC_DESCRIBE(TPen2) {
    b.Property("Name", &TPen2::Name, &TPen2::SetName);
    b.Property("Width", &TPen2::Width, &TPen2::SetWidth).WithDefault(1);
}

VFC_DESCRIBE(TWidget) {
    b.Property("Size", &TWidget::Size, &TWidget::SetSize);
    b.Property("Active", &TWidget::Active, &TWidget::SetActive).WithDefault(false);
    b.Property("Text", &TWidget::Text, &TWidget::SetText);
    b.Property("Shape", &TWidget::Shape, &TWidget::SetShape);
    b.Property("Edges", &TWidget::Edges, &TWidget::SetEdges);
    b.Property("Pen", &TWidget::Pen, &TWidget::SetPen);
    b.Property("Buddy", &TWidget::Buddy, &TWidget::SetBuddy);
    b.ReadOnly("ReadOnlyValue", &TWidget::ReadOnlyValue);
    b.Field("OnPing", &TWidget::OnPing);
    b.Field("OnCount", &TWidget::OnCount);
    b.Method<&TWidget::Ping, TNotifyEvent>("Ping");
    b.Method<&TWidget::Count, TEvent<void(TObject*, int)>>("Count");
}

VFC_DESCRIBE(TBigWidget) {
    b.Property("Size", &TBigWidget::Size, &TBigWidget::SetSize).WithDefault(10);
    b.Property("Extra", &TBigWidget::Extra, &TBigWidget::SetExtra);
}
