#pragma once

#include <QList>

// The numeric ids of the image resources. Every id below except the two program icons names
// one PNG of a fixed size; the program icons (AppIcon, NotifierIcon) come in several sizes and
// are loaded with ResourceImages::AppIcon.
namespace ImageId {
enum : int {
    // Status images, 32x32: flags and shields; blue Done, red Failed, gold Not yet.
    StatusFlagDone32 = 209,
    StatusFlagFailed32 = 211,
    StatusFlagNotYet32 = 213,
    StatusShieldDone32 = 148,
    StatusShieldFailed32 = 151,
    StatusShieldNotYet32 = 150,

    // Status images, 16x16.
    StatusFlagDone16 = 210,
    StatusFlagFailed16 = 212,
    StatusFlagNotYet16 = 208,
    StatusShieldDone16 = 159,
    StatusShieldFailed16 = 157,
    StatusShieldNotYet16 = 158,

    // Button pictures, 32x32.
    ButtonView = 176,
    ButtonAdd = 144,
    ButtonRemove = 147,
    ButtonMove = 184,
    ButtonFirst = 175,
    ButtonPrevious = 174,
    ButtonNext = 172,
    ButtonLast = 173,
    ButtonEditor = 191,
    ButtonNotes = 177,
    ButtonMoveLeft = 195,
    ButtonMoveRight = 196,
    ButtonMoveUp = 193,
    ButtonMoveDown = 194,
    ButtonClear = 197,
    ButtonOk = 153,
    ButtonCancel = 154,
    ButtonSave = 206,
    ButtonOpen = 207,
    ButtonSkip = 188,
    ButtonNotifierView = 141,
    ButtonNotifierMove = 145,
    ButtonOpenDiary = 146,
    ButtonPrint = 137,

    // Button pictures, 16x16.
    SmallButtonOk = 181,
    SmallButtonCancel = 186,
    SmallButtonClear = 204,

    // Pictures: the hint panel's (48x48) and the user data dialog's (128x128).
    PictureHint = 152,
    PictureAnthropometrics = 189,

    // Program icons (several sizes each) and the 16x16 icon of the workout tabs' image list.
    AppIcon = 156,
    NotifierIcon = 133,
    TabListIcon = 163
};

// Every id that names a single PNG, in ascending order: all of the above but the program icons.
QList<int> AllImageIds();

// The two program icon ids.
QList<int> ProgramIconIds();
} // namespace ImageId
