#include "platform/core/Object.h"

#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"

const TClassInfo& TObject::StaticClassInfo()
{
    static const TClassInfo info{"TObject", nullptr};
    return info;
}

bool ClassInheritsFrom(const TClassInfo* info, const TClassInfo& ancestor)
{
    for (; info != nullptr; info = info->Parent)
        if (info == &ancestor)
            return true;
    return false;
}

bool TObject::InheritsFrom(const TClassInfo& ancestor) const
{
    return ClassInheritsFrom(&ClassInfo(), ancestor);
}

QUORVEL_DEFINE_CLASS_INFO(TPersistent, TObject)

void TPersistent::Assign(const TPersistent* source)
{
    if (source != nullptr)
        source->AssignTo(this);
    else
        AssignTo(nullptr);
}

void TPersistent::AssignTo(TPersistent* dest) const
{
    const std::string from = ClassName();
    const std::string to = dest != nullptr ? dest->ClassName() : "nil";
    throw EConvertError(Format("%s を %s に代入できません", {from, to}));
}
