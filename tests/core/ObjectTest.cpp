#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"
#include "platform/core/Object.h"

namespace {

class TShape : public TPersistent {
    QUORVEL_CLASS_INFO(TShape)
};
QUORVEL_DEFINE_CLASS_INFO(TShape, TPersistent)

class TCircle : public TShape {
    QUORVEL_CLASS_INFO(TCircle)
public:
    int Radius = 0;
    void Assign(const TPersistent* source) override
    {
        if (const auto* circle = dynamic_cast<const TCircle*>(source)) {
            Radius = circle->Radius;
            return;
        }
        TShape::Assign(source);
    }
};
QUORVEL_DEFINE_CLASS_INFO(TCircle, TShape)

TEST(TObject, ClassInformationFollowsTheClassChain)
{
    TCircle circle;
    const TObject& asObject = circle;
    EXPECT_EQ(asObject.ClassName(), "TCircle");
    EXPECT_EQ(asObject.ClassInfo().Parent, &TShape::StaticClassInfo());
    EXPECT_TRUE(asObject.InheritsFrom(TPersistent::StaticClassInfo()));
    EXPECT_TRUE(asObject.InheritsFrom(TObject::StaticClassInfo()));
    EXPECT_FALSE(TShape().InheritsFrom(TCircle::StaticClassInfo()));
    EXPECT_FALSE(ClassInheritsFrom(nullptr, TObject::StaticClassInfo()));
}

TEST(TPersistent, AssignCopiesWhatItKnowsAndNamesBothClassesOtherwise)
{
    TCircle circle, copy;
    circle.Radius = 5;
    copy.Assign(&circle);
    EXPECT_EQ(copy.Radius, 5);

    TShape shape;
    try {
        copy.Assign(&shape);
        ADD_FAILURE();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message, "TShape を TCircle に代入できません");
    }
    try {
        copy.Assign(nullptr);
        ADD_FAILURE();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message, "nil を TCircle に代入できません");
    }
}

}  // namespace
