#include "editor/ColourClass.h"
#include "editor/qt/ScintillaTextModel.h"

#include "support/StringTextModel.h"

#include <Qsci/qsciscintilla.h>

#include <gtest/gtest.h>

#include <random>

namespace {

// Colours of a large text reach the editor a stretch at a time; edits made meanwhile, before,
// inside or across the part still waiting, must leave every byte with the class it would have
// had if everything had been written at once, and what the model answers must not depend on
// what is written yet. A plain model that moves classes with the text is the reference.
TEST(ScintillaTextModelTest, ClassesStillWaitingMoveWithTheTextAsItIsEdited)
{
    std::mt19937 random(7);
    const char codes[] = {ColourClass::kNormal, ColourClass::kKeyword, ColourClass::kComment, ColourClass::kString};
    const std::size_t nSize = 3 * CScintillaTextModel::kStretchBytes + 12345;
    std::string text(nSize, 'a');
    std::string classes(nSize, ColourClass::kNormal);
    for (std::size_t i = 0; i < nSize; ++i) {
        text[i] = i % 61 == 60 ? '\n' : static_cast<char>('a' + random() % 26);
        classes[i] = codes[random() % 4];
    }
    QsciScintilla editor;
    editor.SendScintilla(QsciScintillaBase::SCI_APPENDTEXT, static_cast<unsigned long>(text.size()), text.data());
    CScintillaTextModel model(editor);
    CStringTextModel reference(text);
    model.ApplyClasses(0, classes);
    reference.SetClasses(0, classes);
    ASSERT_TRUE(model.HasUnwrittenClasses());

    const auto expectSame = [&](const char* when) {
        ASSERT_EQ(model.GetLength(), reference.GetLength()) << when;
        EXPECT_TRUE(model.GetClasses(0, model.GetLength()) == reference.Classes()) << when;
    };
    expectSame("before any edit");
    const TextPos nWaitingFrom = static_cast<TextPos>(CScintillaTextModel::kStretchBytes);
    const struct {
        TextPos nStart;
        TextPos nEnd;
        const char* bytes;
    } edits[] = {
        {10, 10, "inserted before"},
        {nWaitingFrom - 5, nWaitingFrom + 40, ""},        // across where the waiting part starts
        {nWaitingFrom + 1000, nWaitingFrom + 1000, "inside"},
        {nWaitingFrom + 5000, nWaitingFrom + 7000, "x"},  // inside, shorter
        {20, 30, ""},
    };
    for (const auto& edit : edits) {
        model.Replace(edit.nStart, edit.nEnd, edit.bytes);
        reference.Replace(edit.nStart, edit.nEnd, edit.bytes);
    }
    expectSame("after the edits");
    // A line pass over a line in the waiting part replaces what waited there.
    const std::string line(30, ColourClass::kComment);
    model.ApplyClasses(2 * nWaitingFrom, line);
    reference.ApplyClasses(2 * nWaitingFrom, line);
    expectSame("after a line pass");
    model.WriteAllClasses();
    EXPECT_FALSE(model.HasUnwrittenClasses());
    expectSame("once all is written");
    model.Replace(model.GetLength(), model.GetLength(), "end");
    reference.Replace(reference.GetLength(), reference.GetLength(), "end");
    expectSame("after typing at the end");
}

}  // namespace
