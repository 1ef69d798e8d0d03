#include "translation/FamilyProfile.h"

namespace z2k {

const FamilyProfile* FindFamilyProfile(std::string_view family) {
    for (const FamilyProfile& profile : kFamilyProfiles) {
        if (profile.familyKey == family) return &profile;
    }
    return nullptr;
}

}  // namespace z2k
