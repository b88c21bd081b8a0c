#include <gtest/gtest.h>

#include "support/ErrorOf.h"
#include "platform/recordset/Recordset.h"
#include "platform/recordset/RecordsetReader.h"

using automation::AutomationError;
using automation::DispatchPtr;
using automation::MakeDate;
using automation::Variant;
using automation::VarType;
using platform::Recordset;

namespace {

// An answer as the server writes it: typed schema, a field whose name is not an XML name, a row
// without some attributes.
constexpr const char* kAnswer = R"(<xml xmlns:s='uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882'
 xmlns:dt='uuid:C2F41010-65B3-11d1-A29F-00AA00C14882' xmlns:rs='urn:schemas-microsoft-com:rowset'
 xmlns:z='#RowsetSchema'>
<s:Schema id='RowsetSchema'>
 <s:ElementType name='row' content='eltOnly'>
  <s:AttributeType name='ITEM.ITEM_KEY' rs:number='1'><s:datatype dt:type='string' dt:maxLength='40'/></s:AttributeType>
  <s:AttributeType name='ITEM.QTY' rs:number='2'><s:datatype dt:type='int'/></s:AttributeType>
  <s:AttributeType name='ITEM.WEIGHT' rs:number='3'><s:datatype dt:type='float'/></s:AttributeType>
  <s:AttributeType name='ITEM.DATE_EFF_FROM' rs:number='4'>
   <s:datatype dt:type='dateTime' rs:dbtype='timestamp'/></s:AttributeType>
  <s:AttributeType name='c4' rs:name='Locked By' rs:number='5' dt:type='boolean'/>
  <s:AttributeType name='ITEM.PRICE' rs:number='6'><s:datatype dt:type='number' rs:dbtype='currency'/></s:AttributeType>
  <s:extends type='rs:rowbase'/>
 </s:ElementType>
</s:Schema>
<rs:data>
 <z:row ITEM.ITEM_KEY='A&amp;1' ITEM.QTY='12' ITEM.WEIGHT='2.5' ITEM.DATE_EFF_FROM='2024-01-31T13:30:00' c4='1' ITEM.PRICE='10.25'/>
 <z:row ITEM.QTY='7' ITEM.ITEM_KEY='' ITEM.DATE_EFF_FROM='not a date'/>
</rs:data>
</xml>)";

Variant Field(Recordset& rs, const char* name) { return rs.Collect(name); }

std::shared_ptr<Recordset> FromXml(std::string text) {
    return Recordset::FromXml(std::make_shared<const std::string>(std::move(text)));
}

TEST(Recordset, ReadsTypedFieldsNullsAndNames) {
    auto rs = FromXml(kAnswer);
    ASSERT_TRUE(rs);
    EXPECT_EQ(rs->RecordCount(), 2);
    auto fields = rs->Fields();
    ASSERT_EQ(fields->Get("Count").ToLong(), 6);
    auto lockedBy = fields->Get("Item", 4).ToObject();
    EXPECT_EQ(lockedBy->Get("Name").ToString(), "Locked By");
    EXPECT_EQ(lockedBy->Get("Type").ToLong(), 11);
    EXPECT_EQ(fields->Get("Item", "item.date_eff_from").ToObject()->Get("Type").ToLong(), 135);
    EXPECT_EQ(fields->Get("Item", "ITEM.PRICE").ToObject()->Get("Type").ToLong(), 6);

    EXPECT_EQ(Field(*rs, "ITEM.ITEM_KEY"), Variant("A&1"));
    EXPECT_EQ(Field(*rs, "ITEM.QTY"), Variant(int32_t{12}));
    EXPECT_EQ(Field(*rs, "ITEM.WEIGHT"), Variant(2.5));
    EXPECT_EQ(Field(*rs, "ITEM.DATE_EFF_FROM"), Variant(MakeDate(2024, 1, 31, 13, 30, 0)));
    EXPECT_EQ(Field(*rs, "Locked By"), Variant(true));
    EXPECT_EQ(Field(*rs, "ITEM.PRICE"), Variant(10.25));

    rs->Call("MoveNext");
    EXPECT_EQ(lockedBy->Get("Value").Type(), VarType::Null);  // missing attribute: Null
    EXPECT_EQ(Field(*rs, "ITEM.WEIGHT").Type(), VarType::Null);
    EXPECT_EQ(Field(*rs, "ITEM.ITEM_KEY"), Variant(""));                   // present but empty: a text
    EXPECT_EQ(Field(*rs, "ITEM.DATE_EFF_FROM"), Variant("not a date"));  // unreadable: kept as text
    rs->Call("MoveNext");
    EXPECT_TRUE(rs->Get("EOF").ToBool());
    EXPECT_THROW(lockedBy->Get("Value"), AutomationError);
    EXPECT_THROW(rs->Call("MoveNext"), AutomationError);
    EXPECT_THROW(fields->Get("Item", "NO.SUCH"), AutomationError);
}

TEST(Recordset, EmptyRowSetKeepsItsFields) {
    auto rs = FromXml(
        "<xml xmlns:rs='r' xmlns:z='z' xmlns:s='s' xmlns:dt='d'><s:Schema><s:ElementType name='row'>"
        "<s:AttributeType name='DOC.DOC_ID'><s:datatype dt:type='string'/></s:AttributeType>"
        "</s:ElementType></s:Schema><rs:data/></xml>");
    ASSERT_TRUE(rs);
    EXPECT_EQ(rs->RecordCount(), 0);
    EXPECT_TRUE(rs->Eof());
    EXPECT_TRUE(rs->Bof());
    EXPECT_EQ(rs->AbsolutePosition(), -1);
    EXPECT_EQ(rs->Fields()->Get("Count").ToLong(), 1);
}

TEST(Recordset, OtherPrefixesAndNoSchemaStillReadAndValuesAreDecodedAndNormalised) {
    auto rs = FromXml("<?xml version='1.0'?><!-- answer --><answer><a:data xmlns:a='x'>"
                                 "<b:row xmlns:b='y' K='1' A=\"it's &lt;&#233;&gt;\" B='tab\there&#10;line' C='&quot;'/>"
                                 "<b:row xmlns:b='y' K='2' EXTRA='e'/></a:data></answer>");
    ASSERT_TRUE(rs);
    EXPECT_EQ(rs->RecordCount(), 2);
    EXPECT_EQ(rs->Collect("K"), Variant("1"));  // no schema: every field is text
    EXPECT_EQ(rs->Collect("A"), Variant("it's <\xC3\xA9>"));
    EXPECT_EQ(rs->Collect("B"), Variant("tab here\nline"));
    EXPECT_EQ(rs->Collect("C"), Variant("\""));
    EXPECT_TRUE(rs->Collect("EXTRA").IsNull());
    rs->SetAbsolutePosition(2);
    EXPECT_EQ(rs->Collect("EXTRA"), Variant("e"));
    rs->MovePrevious();
    rs->MovePrevious();
    EXPECT_TRUE(rs->Bof());
}

// The text is read where it is and left as it was: plain values are views of it, decoded ones lie
// in a buffer beside it that grows as the rows are read.
TEST(Recordset, ValuesAreReadInTheTextAndDecodedBesideIt) {
    std::string rows;
    for (int i = 0; i < 300; ++i) {
        const std::string n = std::to_string(i);
        rows += "<z:row K='k" + n + "' A='a&amp;" + n + "' B='plain" + n + "'/>";
    }
    const auto text = std::make_shared<const std::string>("<xml><rs:data>" + rows + "</rs:data></xml>");
    const std::string before = *text;
    auto data = platform::RecordsetReader::Read(text);
    ASSERT_TRUE(data);
    EXPECT_EQ(*text, before);
    EXPECT_EQ(&data->Text(), text.get());
    for (int i = 0; i < 300; ++i) {
        const std::string n = std::to_string(i);
        const auto r = static_cast<size_t>(i);
        EXPECT_EQ(data->Texts(0)[r], "k" + n);
        EXPECT_EQ(data->Texts(1)[r], "a&" + n);
        EXPECT_EQ(data->Texts(2)[r].data(), text->data() + text->find("'plain" + n + "'") + 1);
    }
}

// The room for the rows is guessed from the first row's length: rows much shorter than it make the
// table grow while it reads, and a field first met in a late row has no cell in the rows before it.
TEST(Recordset, RowsBeyondTheGuessAndALateFieldKeepEveryCell) {
    std::string rows = "<z:row K='0' A='" + std::string(400, 'a') + "'/>";
    for (int i = 1; i < 1000; ++i) rows += "<z:row K='" + std::to_string(i) + "'/>";
    rows += "<z:row K='1000' LATE='x'/>";
    auto data = platform::RecordsetReader::Read("<xml><rs:data>" + rows + "</rs:data></xml>");
    ASSERT_TRUE(data);
    ASSERT_EQ(data->RecordCount(), 1001u);
    for (size_t c = 0; c < data->ColumnCount(); ++c) EXPECT_EQ(data->Column(c).cells.size(), 1001u);
    EXPECT_EQ(data->Value(999, 0), Variant("999"));
    EXPECT_EQ(data->Value(999, 1).Type(), VarType::Null);
    EXPECT_EQ(data->Value(999, 2).Type(), VarType::Null);
    EXPECT_EQ(data->Value(1000, 2), Variant("x"));
}

TEST(Recordset, NotARowSet) {
    EXPECT_EQ(FromXml("<Response><ResultCode>OK</ResultCode></Response>"), nullptr);
    const std::string bad[] = {"", "<xml><rs:data>", "not xml", "<xml><rs:data></xml></rs:data>",
                               "<x><rs:data><z:row A='&nbsp;'/></rs:data></x>", "<x><rs:data><z:row A='<'/></rs:data></x>",
                               "<x><rs:data/></x><y/>", "<x><rs:data><z:row A='1/></rs:data></x>", "<x A='1'B='2'/>",
                               "<x><rs:data><z:ro", "<x><rs:data><z:row A", std::string("<x><rs:data><z:row A='1\0 2'/></rs:data></x>", 41)};
    for (const std::string& text : bad)
        EXPECT_TRUE(testsupport::Raises([&] { FromXml(text); }, platform::RecordsetReader::kNotReadable, "row set")) << text;
}

// A row's attribute is tried against the field that follows the last one read before the others:
// a name of any length that differs from that field's in one character only is not taken for it.
TEST(Recordset, NamesDifferingInOneCharacterKeepTheirOwnCells) {
    std::string schema, row;
    std::vector<std::pair<std::string, std::string>> pairs;  // the field left out, the field written
    for (size_t length = 1; length <= 20; ++length)
        for (size_t differs : {size_t{0}, length / 2, length - 1}) {
            std::string left(length, 'a'), written = left;
            left[0] = written[0] = static_cast<char>('A' + pairs.size() % 26);
            left += std::to_string(pairs.size());  // every pair its own names
            written += std::to_string(pairs.size());
            written[differs] = '_';
            if (left == written) continue;
            pairs.emplace_back(left, written);
            schema += "<s:AttributeType name='" + left + "'/><s:AttributeType name='" + written + "'/>";
            row += " " + written + "='" + written + "'";
        }
    auto data = platform::RecordsetReader::Read("<xml><s:Schema>" + schema + "</s:Schema><rs:data><z:row" + row +
                                                "/></rs:data></xml>");
    ASSERT_TRUE(data);
    ASSERT_EQ(data->ColumnCount(), 2 * pairs.size());
    for (const auto& [left, written] : pairs) {
        EXPECT_EQ(data->Value(0, static_cast<size_t>(data->ColumnIndex(left))).Type(), VarType::Null) << left;
        EXPECT_EQ(data->Value(0, static_cast<size_t>(data->ColumnIndex(written))), Variant(written)) << written;
    }
}

TEST(Recordset, DateAndTimeForms) {
    using platform::FieldKind;
    using platform::RecordsetData;
    EXPECT_EQ(RecordsetData::Convert("2024-02-29", FieldKind::Date), Variant(MakeDate(2024, 2, 29)));
    EXPECT_EQ(RecordsetData::Convert("2024-02-29T08:15:30Z", FieldKind::Date), Variant(MakeDate(2024, 2, 29, 8, 15, 30)));
    EXPECT_EQ(RecordsetData::Convert("2024-02-29T08:15:30.5+02:00", FieldKind::Date).ToDate().serial,
              MakeDate(2024, 2, 29, 8, 15, 30).serial + 0.5 / 86400);
    EXPECT_EQ(RecordsetData::Convert("12:00:00", FieldKind::Date), Variant(automation::Date{0.5}));
    EXPECT_EQ(RecordsetData::Convert("2024-13-01", FieldKind::Date), Variant("2024-13-01"));
    EXPECT_EQ(RecordsetData::Convert("70000", FieldKind::Integer), Variant("70000"));
    EXPECT_EQ(RecordsetData::Convert("-3", FieldKind::Integer), Variant(int16_t{-3}));
}

}  // namespace
