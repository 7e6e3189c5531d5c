#pragma once
// Run-time class information: every class that is reached through a class reference (graphic
// classes, plug-in wrappers, components) describes itself with a TClassInfo chained to its
// parent's, so code can ask for "the parent class of this object's own class" or test ancestry.
#include <functional>
#include <string>

struct TClassInfo {
    const char* Name;
    const TClassInfo* Parent;  // nullptr for TObject
};

class TObject {
public:
    virtual ~TObject() = default;
    static const TClassInfo& StaticClassInfo();
    virtual const TClassInfo& ClassInfo() const { return StaticClassInfo(); }
    std::string ClassName() const { return ClassInfo().Name; }
    bool InheritsFrom(const TClassInfo& ancestor) const;
};

bool ClassInheritsFrom(const TClassInfo* info, const TClassInfo& ancestor);

// Declares StaticClassInfo/ClassInfo for a class whose run-time information is a plain TClassInfo.
#define QUORVEL_CLASS_INFO(ClassName_)                                           \
public:                                                                          \
    static const TClassInfo& StaticClassInfo();                                  \
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }  \
                                                                                 \
private:

#define QUORVEL_DEFINE_CLASS_INFO(ClassName_, Parent_)                           \
    const TClassInfo& ClassName_::StaticClassInfo()                              \
    {                                                                            \
        static const TClassInfo info{#ClassName_, &Parent_::StaticClassInfo()};  \
        return info;                                                             \
    }

class TPersistent : public TObject {
    QUORVEL_CLASS_INFO(TPersistent)
public:
    // Copies source into this object; raises EConvertError ("%s を %s に代入できません") when
    // neither side knows how.
    virtual void Assign(const TPersistent* source);

protected:
    // Called by Assign when this class can't take source: lets source copy itself into dest.
    virtual void AssignTo(TPersistent* dest) const;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;
