// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "CsvRecords.h"

#include <cstring>
#include <new>
#include <utility>

namespace hovorix::calls {

CsvRecords::CsvRecords(char separator, char lineBreak, Sink sink) : lineBreak_(lineBreak), sink_(std::move(sink)) {
    csv_init(&parser_, CSV_STRICT | CSV_STRICT_FINI);
    csv_set_delim(&parser_, static_cast<unsigned char>(separator));
    csv_set_blk_size(&parser_, 1024);
}

CsvRecords::~CsvRecords() { csv_free(&parser_); }

void CsvRecords::onField(void* data, std::size_t size, void* self) {
    auto& r = *static_cast<CsvRecords*>(self);
    if (r.pending_) return;
    if (r.fieldEnds_.empty()) {
        // The first field opened on an earlier line when it is the quoted
        // field this line began inside of.
        r.recordLine_ = r.quotedAtLineStart_ && r.fieldsThisLine_ == 0 ? r.quoteLine_ : r.line_;
    }
    ++r.fieldsThisLine_;
    r.fieldBytes_.append(static_cast<const char*>(data), size);
    r.fieldEnds_.push_back(r.fieldBytes_.size());
}

void CsvRecords::onRecordEnd(int, void* self) {
    auto& r = *static_cast<CsvRecords*>(self);
    if (r.pending_) return;
    r.fields_.clear();
    std::size_t start = 0;
    for (const std::size_t end : r.fieldEnds_) {
        r.fields_.emplace_back(r.fieldBytes_.data() + start, end - start);
        start = end;
    }
    try {
        r.sink_(r.recordLine_, r.fields_);
    } catch (...) {
        // Never through libcsv's C frames: kept until csv_parse returns.
        r.pending_ = std::current_exception();
    }
    r.fieldBytes_.clear();
    r.fieldEnds_.clear();
}

std::size_t CsvRecords::openingLine() const { return quotedAtLineStart_ && fieldsThisLine_ == 0 ? quoteLine_ : line_; }

void CsvRecords::rethrowPending() {
    if (pending_) std::rethrow_exception(std::exchange(pending_, nullptr));
}

void CsvRecords::parseFailed() {
    rethrowPending();
    if (csv_error(&parser_) != CSV_EPARSE) throw std::bad_alloc();
    if (parser_.quoted) {
        const std::size_t opened = openingLine();
        if (opened < line_) {
            throw CallListError(
                Problem::UnclosedQuote,
                "Uvozovky otevřené na tomto řádku nejsou uzavřeny (jejich pole by pokračovalo až na řádek " +
                    std::to_string(line_) + ").",
                opened);
        }
        throw CallListError(Problem::BadQuote,
                            "Za uzavíracími uvozovkami pole pokračuje text; uvozovky uvnitř pole se zdvojují (\"\").",
                            line_);
    }
    throw CallListError(Problem::BadQuote,
                        "Uvozovky uprostřed pole, které v uvozovkách není; takové pole musí být celé v uvozovkách "
                        "a jeho uvozovky zdvojené (\"\").",
                        line_);
}

void CsvRecords::parse(std::string_view piece) {
    if (recordBytes_ + piece.size() > MaxRecordBytes) {
        if (parser_.quoted) {
            throw CallListError(Problem::UnclosedQuote,
                                "Uvozovky otevřené na tomto řádku nejsou uzavřeny: pole pokračuje přes " +
                                    std::to_string(MaxRecordBytes / 1024) + " KiB textu.",
                                openingLine());
        }
        throw CallListError(Problem::LineTooLong,
                            "Řádek je delší než " + std::to_string(MaxRecordBytes / 1024) +
                                " KiB; takový výpis hovorů nepíše žádný operátor ani tabulkový procesor.",
                            line_);
    }
    recordBytes_ += piece.size();
    const std::size_t done = csv_parse(&parser_, piece.data(), piece.size(), onField, onRecordEnd, this);
    if (done != piece.size()) parseFailed();
    rethrowPending();
}

void CsvRecords::endOfLine() {
    if (parser_.quoted) {
        // Inside a quoted field: a field that opened on this line, not the
        // one carried over from an earlier line, when a field ended here.
        if (!quotedAtLineStart_ || fieldsThisLine_ > 0) quoteLine_ = line_;
        quotedAtLineStart_ = true;
    } else {
        quotedAtLineStart_ = false;
        recordBytes_ = 0;
    }
    fieldsThisLine_ = 0;
    ++line_;
}

void CsvRecords::feed(std::string_view bytes) {
    while (!bytes.empty()) {
        const void* found = std::memchr(bytes.data(), lineBreak_, bytes.size());
        const std::size_t length =
            found ? static_cast<std::size_t>(static_cast<const char*>(found) - bytes.data()) + 1 : bytes.size();
        parse(bytes.substr(0, length));
        if (found) endOfLine();
        bytes.remove_prefix(length);
    }
}

void CsvRecords::finish() {
    if (csv_fini(&parser_, onField, onRecordEnd, this) != 0) {
        throw CallListError(Problem::UnclosedQuote,
                            "Uvozovky otevřené na tomto řádku nejsou do konce souboru uzavřeny.", openingLine());
    }
    rethrowPending();
}

}  // namespace hovorix::calls
