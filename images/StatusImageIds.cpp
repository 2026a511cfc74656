#include "images/StatusImageIds.h"

#include "images/ImageIds.h"

StatusImageIds StatusIdsFor(bool shields, StatusImageSize size)
{
    using namespace ImageId;
    if (size == StatusImageSize::Large32) {
        if (shields)
            return {StatusShieldDone32, StatusShieldFailed32, StatusShieldNotYet32};
        return {StatusFlagDone32, StatusFlagFailed32, StatusFlagNotYet32};
    }
    if (shields)
        return {StatusShieldDone16, StatusShieldFailed16, StatusShieldNotYet16};
    return {StatusFlagDone16, StatusFlagFailed16, StatusFlagNotYet16};
}
