#include "images/ImageIds.h"

#include <algorithm>

namespace ImageId {

QList<int> AllImageIds()
{
    QList<int> ids {
        StatusFlagDone32,
        StatusFlagFailed32,
        StatusFlagNotYet32,
        StatusShieldDone32,
        StatusShieldFailed32,
        StatusShieldNotYet32,
        StatusFlagDone16,
        StatusFlagFailed16,
        StatusFlagNotYet16,
        StatusShieldDone16,
        StatusShieldFailed16,
        StatusShieldNotYet16,
        ButtonView,
        ButtonAdd,
        ButtonRemove,
        ButtonMove,
        ButtonFirst,
        ButtonPrevious,
        ButtonNext,
        ButtonLast,
        ButtonEditor,
        ButtonNotes,
        ButtonMoveLeft,
        ButtonMoveRight,
        ButtonMoveUp,
        ButtonMoveDown,
        ButtonClear,
        ButtonOk,
        ButtonCancel,
        ButtonSave,
        ButtonOpen,
        ButtonSkip,
        ButtonNotifierView,
        ButtonNotifierMove,
        ButtonOpenDiary,
        ButtonPrint,
        SmallButtonOk,
        SmallButtonCancel,
        SmallButtonClear,
        PictureHint,
        PictureAnthropometrics,
        TabListIcon,
    };
    std::sort(ids.begin(), ids.end());
    return ids;
}

QList<int> ProgramIconIds()
{
    return {NotifierIcon, AppIcon};
}

} // namespace ImageId
