#pragma once
// The window's skin: one style-sheet theme over the kinds of control it lists. A control
// whose tag equals DisableTag keeps its plain look.

#include <QString>

class QWidget;

class TSkinData {
public:
    enum TSkinFormType { sfMainform, sfDialog };
    /// The kinds of control the skin restyles.
    enum TSkinControl : unsigned {
        xcMainMenu = 1u << 0, xcPopupMenu = 1u << 1, xcToolbar = 1u << 2, xcControlbar = 1u << 3,
        xcCombo = 1u << 4, xcCheckBox = 1u << 5, xcRadioButton = 1u << 6, xcProgress = 1u << 7,
        xcScrollbar = 1u << 8, xcEdit = 1u << 9, xcButton = 1u << 10, xcBitBtn = 1u << 11,
        xcSpeedButton = 1u << 12, xcPanel = 1u << 13, xcGroupBox = 1u << 14, xcStatusBar = 1u << 15,
        xcTab = 1u << 16,
    };
    static constexpr unsigned kAllControls = (1u << 17) - 1;

    bool Active = true;
    TSkinFormType SkinFormtype = sfMainform;
    unsigned SkinControls = kAllControls;
    int DisableTag = 99;

    /// Marks the form and every listed control under it, then applies the theme once.
    void Apply(QWidget* form) const;

    /// Whether Apply restyles this control (a listed kind, not carrying DisableTag).
    bool Skins(const QWidget* control) const;

    /// The theme's style sheet; rules match only controls that Apply has marked.
    static QString Theme();

    /// Name of the dynamic property that marks a skinned control.
    static constexpr char kMark[] = "skinned";
};
