#pragma once
// Index-based lists of the class library. Indices outside the list raise EListError.
#include <functional>
#include <string>
#include <vector>

class TList {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    void* Get(int index) const;
    void Put(int index, void* item);
    void* operator[](int index) const { return Get(index); }
    int Add(void* item);
    void Insert(int index, void* item);
    void Delete(int index);
    int Remove(void* item);  // index it had, -1 when absent
    int IndexOf(void* item) const;
    void Move(int from, int to);
    void Exchange(int a, int b);
    void Clear() { items_.clear(); }
    void* First() const { return Get(0); }
    void* Last() const { return Get(Count() - 1); }

private:
    void Check(int index) const;
    std::vector<void*> items_;
};

enum class TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    const std::string& Strings(int index) const;
    void SetString(int index, const std::string& text);
    void* Objects(int index) const;
    void SetObject(int index, void* object);
    const std::string& operator[](int index) const { return Strings(index); }

    int Add(const std::string& text) { return AddObject(text, nullptr); }
    int AddObject(const std::string& text, void* object);
    void Insert(int index, const std::string& text, void* object = nullptr);
    void Delete(int index);
    void Clear() { items_.clear(); }
    void Exchange(int a, int b);
    void Move(int from, int to);
    // Case-insensitive (CompareText) unless CaseSensitive; on a sorted list a binary search.
    int IndexOf(const std::string& text) const;
    int IndexOfObject(void* object) const;
    // Binary search, meaningful on a sorted list: the first equal entry, or the insertion point.
    bool Find(const std::string& text, int& index) const;
    void Sort();

    // A sorted list keeps its order on Add (sorting first if needed) and refuses Insert, Move and
    // SetString; Duplicates tells what Add does with a text already present.
    bool Sorted = false;
    bool CaseSensitive = false;
    TDuplicates Duplicates = TDuplicates::dupIgnore;

    // Every line followed by "\n"; assigning splits at "\r\n", "\r" or "\n" and adds each line.
    std::string Text() const;
    void SetText(const std::string& text);
    // "a,b,c" with entries holding blanks, commas or quotes in double quotes.
    std::string CommaText() const;
    void SetCommaText(const std::string& text);

private:
    struct Item {
        std::string text;
        void* object = nullptr;
    };
    void Check(int index) const;
    int Compare(const std::string& a, const std::string& b) const;
    static TStringList WithSettingsOf(const TStringList& list);  // empty, same sorting rules
    std::vector<Item> items_;
};
