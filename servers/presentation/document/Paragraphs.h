// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// One paragraph of a text, as it is built: UTF-8 without paragraph breaks,
// and its level from 1 (top) to 5.
struct TextParagraph
{
    std::string text;
    int indentLevel = 1;
};

// One paragraph of a CParagraphs, read in place.
struct ParagraphView
{
    std::string_view text;
    int indentLevel = 1;
};

// The paragraphs of one text: their texts back to back in one string, and
// for each paragraph where its text ends and its level. A paragraph costs 8
// bytes besides its text, where a string and a level of its own take 40, and
// a text of millions of short bullets is held in two blocks rather than one
// per paragraph.
class CParagraphs
{
public:
    class const_iterator
    {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = ParagraphView;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = ParagraphView;

        const_iterator() = default;
        const_iterator(const CParagraphs* paragraphs, std::size_t index)
            : m_paragraphs(paragraphs), m_index(index)
        {}
        ParagraphView operator*() const { return (*m_paragraphs)[m_index]; }
        const_iterator& operator++()
        {
            ++m_index;
            return *this;
        }
        const_iterator operator++(int)
        {
            const_iterator before = *this;
            ++m_index;
            return before;
        }
        bool operator==(const const_iterator& other) const { return m_index == other.m_index; }

    private:
        const CParagraphs* m_paragraphs = nullptr;
        std::size_t m_index = 0;
    };

    CParagraphs() = default;
    CParagraphs(std::initializer_list<TextParagraph> paragraphs)
    {
        for (const TextParagraph& paragraph : paragraphs)
            push_back(paragraph.text, paragraph.indentLevel);
    }
    explicit CParagraphs(const std::vector<TextParagraph>& paragraphs)
    {
        for (const TextParagraph& paragraph : paragraphs)
            push_back(paragraph.text, paragraph.indentLevel);
    }

    std::size_t size() const noexcept { return m_paragraphs.size(); }
    bool empty() const noexcept { return m_paragraphs.empty(); }
    ParagraphView operator[](std::size_t i) const noexcept
    {
        const std::size_t start = Start(i);
        return {std::string_view(m_text).substr(start, m_paragraphs[i].end - start),
                m_paragraphs[i].level};
    }
    ParagraphView at(std::size_t i) const
    {
        if (i >= size())
            throw std::out_of_range("no such paragraph");
        return (*this)[i];
    }
    ParagraphView front() const noexcept { return (*this)[0]; }
    const_iterator begin() const noexcept { return {this, 0}; }
    const_iterator end() const noexcept { return {this, size()}; }

    // Every paragraph's text, back to back.
    const std::string& Text() const noexcept { return m_text; }
    // Where paragraph i starts in Text().
    std::size_t Start(std::size_t i) const noexcept { return i == 0 ? 0 : m_paragraphs[i - 1].end; }

    void push_back(std::string_view text, int level)
    {
        CheckRoom(text.size());
        m_text += text;
        m_paragraphs.push_back({static_cast<std::uint32_t>(m_text.size()), level});
    }
    void SetLevel(std::size_t i, int level) noexcept { m_paragraphs[i].level = level; }
    // Gives back the room that growing left unused.
    void ShrinkToFit()
    {
        m_text.shrink_to_fit();
        m_paragraphs.shrink_to_fit();
    }

    // Replaces the bytes from to to of Text(), which lie in paragraphs first
    // to last, by pieces, one paragraph each: paragraphs first to last become
    // as many paragraphs as there are pieces (at least one). The first keeps
    // its level, those after it take level, and the last of several takes
    // lastLevel.
    void Replace(std::size_t first, std::size_t last, std::size_t from, std::size_t to,
                 const std::vector<std::string_view>& pieces, int level, int lastLevel)
    {
        std::size_t added = 0;
        for (std::string_view piece : pieces)
            added += piece.size();
        const std::size_t removed = to - from;
        if (added > removed)
            CheckRoom(added - removed);
        const std::uint32_t lastEnd = m_paragraphs[last].end;
        const int firstLevel = m_paragraphs[first].level;
        // Room for the new text where the old was, then the pieces into it;
        // at the end of the text (where bullets arrive) that is an append.
        m_text.replace(from, removed, added, '\0');
        char* out = m_text.data() + from;
        for (std::string_view piece : pieces)
            out = std::copy(piece.begin(), piece.end(), out);

        const auto old = static_cast<std::ptrdiff_t>(last - first + 1);
        const auto now = static_cast<std::ptrdiff_t>(pieces.size());
        const auto firstIt = m_paragraphs.begin() + static_cast<std::ptrdiff_t>(first);
        if (now > old)
            m_paragraphs.insert(firstIt + old, static_cast<std::size_t>(now - old), Entry{});
        else
            m_paragraphs.erase(firstIt + now, firstIt + old);
        std::size_t end = from;
        for (std::size_t k = 0; k < pieces.size(); ++k) {
            end += pieces[k].size();
            const bool isLast = k + 1 == pieces.size();
            m_paragraphs[first + k] = {static_cast<std::uint32_t>(isLast ? lastEnd : end),
                                       k == 0   ? firstLevel
                                       : isLast ? lastLevel
                                                : level};
        }
        for (std::size_t i = first + pieces.size() - 1; i < m_paragraphs.size(); ++i)
            m_paragraphs[i].end = static_cast<std::uint32_t>(m_paragraphs[i].end + added - removed);
    }

    bool operator==(const CParagraphs& other) const = default;

private:
    struct Entry
    {
        std::uint32_t end; // where the text ends in m_text
        int level;

        bool operator==(const Entry&) const = default;
    };

    // More bytes than the ends can count: refused, never wrapped around.
    void CheckRoom(std::size_t more) const
    {
        if (m_text.size() + more > std::numeric_limits<std::uint32_t>::max())
            throw std::length_error("a text holds at most 4 GB");
    }

    std::string m_text;
    std::vector<Entry> m_paragraphs;
};
