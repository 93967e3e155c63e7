#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/Currency.h"
#include "app/DateTime.h"

namespace brenvik {

// A two-dimensional array indexed from 0: rows × cols elements stored row-major, so that
// (r, e) is element e of row r. The size is fixed when it is made.
template <class T>
class Array2 {
  public:
    Array2() = default;
    Array2(std::size_t rows, std::size_t cols, const T& value = T())
        : rows_(rows), cols_(cols), data_(rows * cols, value) {}

    std::size_t rows() const { return rows_; }
    std::size_t cols() const { return cols_; }
    typename std::vector<T>::reference operator()(std::size_t r, std::size_t e) {
        return data_.at(r * cols_ + e);
    }
    typename std::vector<T>::const_reference operator()(std::size_t r, std::size_t e) const {
        return data_.at(r * cols_ + e);
    }
    bool operator==(const Array2&) const = default;

  private:
    std::size_t rows_ = 0;
    std::size_t cols_ = 0;
    std::vector<T> data_;
};

// Values and arrays of values as one line of text and back: "," between the rows of an array,
// ":" between the elements of a row, no separator for one-character elements.
//
// Reading fills a target the caller has sized and never resizes it: it reads as many rows as
// both the target and the text have, and in each row as many elements as both have; the element
// limit found in one row carries over to the next (it only shrinks). Elements not read keep
// their values. An empty text (or piece) has no pieces at all. A piece that is no number of the
// element's type throws a RuntimeError (13 type mismatch, 6 overflow); what was stored before
// it stays stored. The Boolean and byte forms read the character at position e + 1 of the row
// for element e, so a short row gives "" (false for a Boolean, an error for a byte).
class clsStringConvert {
  public:
    // "yyyy/mm/dd"; the value 0 is "Nothing", which reads back (as does "") as 0.
    void DateToString(const DateTime& dtmValue, std::string& strText) const;
    void StringToDate(const std::string& strText, DateTime& dtmValue) const;

    // "1" or "0"; only exactly "1" reads as true.
    void BooleanToString(bool blnValue, std::string& strText) const;
    void StringToBoolean(const std::string& strText, bool& blnValue) const;

    void Boolean1ToString(const std::vector<bool>& blnValue, std::string& strText) const;
    void StringToBoolean1(const std::string& strText, std::vector<bool>& blnValue) const;
    void Boolean2ToString(const Array2<bool>& blnValue, std::string& strText) const;
    void StringToBoolean2(const std::string& strText, Array2<bool>& blnValue) const;

    // Each element as its decimal digits with no separator: one character each for 0 to 9.
    void Byte2ToString(const Array2<uint8_t>& bytValue, std::string& strText) const;
    void StringToByte2(const std::string& strText, Array2<uint8_t>& bytValue) const;

    void Long1ToString(const std::vector<int32_t>& lngValue, std::string& strText) const;
    void StringToLong1(const std::string& strText, std::vector<int32_t>& lngValue) const;
    void Long2ToString(const Array2<int32_t>& lngValue, std::string& strText) const;
    void StringToLong2(const std::string& strText, Array2<int32_t>& lngValue) const;

    void Currency1ToString(const std::vector<Currency>& curValue, std::string& strText) const;
    void StringToCurrency1(const std::string& strText, std::vector<Currency>& curValue) const;
    void Currency2ToString(const Array2<Currency>& curValue, std::string& strText) const;
    void StringToCurrency2(const std::string& strText, Array2<Currency>& curValue) const;

    // The texts must not hold the separators of their form.
    void String1ToString(const std::vector<std::string>& strSource, std::string& strText) const;
    void StringToString1(const std::string& strText, std::vector<std::string>& strSource) const;
    void String2ToString(const Array2<std::string>& strSource, std::string& strText) const;
    void StringToString2(const std::string& strText, Array2<std::string>& strSource) const;
};

}  // namespace brenvik
