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

namespace {

[[noreturn]] void AssignError(const TPersistent* source, const TPersistent& dest)
{
    const std::string from = source != nullptr ? source->ClassName() : "nil";
    throw EConvertError(Format(Messages::AssignError, {from, dest.ClassName()}));
}

}  // namespace

// Nothing can be assigned from nil: the error names nil as the source and this as the target.
void TPersistent::Assign(const TPersistent* source)
{
    if (source == nullptr)
        AssignError(nullptr, *this);
    source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* dest) const
{
    if (dest == nullptr)
        throw EConvertError(Format(Messages::AssignError, {ClassName(), "nil"}));
    AssignError(this, *dest);
}
