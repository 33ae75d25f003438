#pragma once
// What the settings store restores into and saves from: the note's text
// and its window's geometry. The note implements it.
#include <string>

class StoredNote {
public:
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual int Left() const = 0;
    virtual int Top() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetLeft(int left) = 0;
    virtual void SetTop(int top) = 0;
    virtual void SetWidth(int width) = 0;
    virtual void SetHeight(int height) = 0;

protected:
    ~StoredNote() = default;
};
