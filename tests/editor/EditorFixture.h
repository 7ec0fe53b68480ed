#pragma once

#include "document/CVelmoraDoc.h"
#include "editor/EditorView.h"
#include "editor/GridEditor.h"
#include "editor/LadderClipboard.h"
#include "editor/LadderEditor.h"
#include "editor/LadderStructure.h"
#include "editor/UnDoList.h"
#include "model/ElementCatalogue.h"
#include "platform/OutputPanes.h"
#include "support/FakeUi.h"
#include "support/LadderPicture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::testing {

// A window stand-in that remembers where it was scrolled to.
class RecordingView : public EditorView {
public:
    LogicalPoint ScrollPosition() const override { return scroll; }
    void ScrollTo(LogicalPoint position) override {
        scroll = position;
        scrolls.push_back(position);
    }

    LogicalPoint scroll{};
    std::vector<LogicalPoint> scrolls;
};

// One document with its undo list, one editor on it and the application's clipboard.
class EditorFixture : public ::testing::Test {
protected:
    OutputPanes panes;
    FakeUi ui;
    std::unique_ptr<CVelmoraDoc> doc = std::make_unique<CVelmoraDoc>(panes, ui);
    UnDoList undo;
    LadderClipboard clipboard;
    GridEditor grid{*doc};
    RecordingView view;
    int modified = 0;
    LadderEditor editor{EditTarget{*doc, undo, [this] { ++modified; }}, clipboard, grid, view};

    LadderProgram& Program() { return doc->program; }
    EditorSelection& Selection() { return doc->selection; }

    void Load(std::initializer_list<std::string_view> rows) { Load(Ladder(rows)); }
    void Load(std::unique_ptr<LadderProgram> program) {
        doc->program = *program;
        RecountTables(doc->program);
        RebuildNumberRegistries(doc->program, doc->compiler);
    }
    // A ladder of n empty rows.
    void LoadEmpty(int n) {
        doc->program.Clear();
        doc->program.InsertRows(0, n, ui);
    }

    void Cursor(int column, int row) { Select({column, row}, {column, row}); }
    void Select(GridPoint anchor, GridPoint cursor) {
        editor.MarkSelection(false);
        Selection().anchor = anchor;
        Selection().cursor = cursor;
        editor.MarkSelection(true);
    }

    LadderCell& Cell(int column, int row) { return Program().Row(row)[column]; }
    std::string Text(int column, int row) { return std::string(Cell(column, row).OperandText()); }

    // The row as tokens: "." empty, "--" line, "X000.1" and "/X000.1" contacts, "(Y000.0)" and
    // "(/Y000.0)" coils, "1001:0005" a box cell's code and text; "+" marks a vertical line.
    std::string RowText(int row) {
        std::string text;
        for (int c = 0; c < ColumnsPerRow; ++c) {
            const LadderCell& cell = Cell(c, row);
            const std::string op(cell.OperandText());
            std::string token;
            switch (cell.code) {
            case Element::Empty:
                token = ".";
                break;
            case Element::Line:
                token = "--";
                break;
            case Element::ClosedContact:
                token = "/" + op;
                break;
            case Element::OpenContact:
                token = op;
                break;
            case Element::Coil:
                token = "(" + op + ")";
                break;
            case Element::InvertedCoil:
                token = "(/" + op + ")";
                break;
            default: {
                char code[8];
                std::snprintf(code, sizeof code, "%04X", cell.code);
                token = code + (op.empty() ? "" : ":" + op);
            }
            }
            if (cell.verticalLine) {
                token += "+";
            }
            text += (c ? " " : "") + token;
        }
        return text;
    }
    std::vector<std::string> Rows() {
        std::vector<std::string> rows;
        for (int r = 0; r < Program().rowCount; ++r) {
            rows.push_back(RowText(r));
        }
        return rows;
    }

    // The element dialog answers OK with this text next time.
    void Type(std::string address) {
        ItemSetData answer;
        answer.address = std::move(address);
        ui.itemSet.Add(answer);
    }
    void TypeCancel() { ui.itemSet.Add(std::nullopt); }

    // Places an element at (column, row) with the operand typed into the dialog.
    void Place(int column, int row, int kind, std::string address = {}) {
        Cursor(column, row);
        if (!address.empty()) {
            Type(std::move(address));
        }
        editor.PlaceElement(kind);
    }

    const std::string& Output() const { return panes.Output().text; }
    std::string LastCall() const { return ui.calls.empty() ? "" : ui.calls.back(); }
};

} // namespace velmora::testing
