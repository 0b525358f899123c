#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "console/frm_main.h"
#include "console/task_field_catalogue.h"
#include "tests/console/convert_recording_exporters.h"
#include "tests/support/recording_services.h"

namespace taskvane {
namespace {

using testing::RecordingExporters;
using testing::RecordingServices;
using Strings = std::vector<std::string>;

class FieldChooser : public ::testing::Test {
 protected:
  FieldChooser() { form.Form_Load(); }

  void PickCategory(const std::string& category) {
    ASSERT_TRUE(form.cmbField.SelectText(category));
  }
  // Selects the available field with this text and presses "추가".
  void Add(const std::string& category, const std::string& name) {
    PickCategory(category);
    form.lvwField.SelectedItem = IndexOf(form.lvwField, name);
    form.cmdAddField.RaiseClick();
  }
  static int IndexOf(const forms::ListView& list, const std::string& text) {
    for (int i = 1; i <= list.Count(); ++i) {
      if (list.Item(i).Text == text) return i;
    }
    ADD_FAILURE() << text << " not listed";
    return 0;
  }
  static Strings Texts(const forms::ListView& list) {
    Strings out;
    for (const auto& item : list.ListItems.get()) out.push_back(item.Text);
    return out;
  }

  RecordingServices services;
  RecordingExporters exporters{services};
  frmMain form{services, exporters};
};

TEST_F(FieldChooser, CategoryListsItsFieldsWithKeys) {
  // Start-up shows the general category.
  EXPECT_EQ(Texts(form.lvwField), (Strings{"시작 날짜", "완료 날짜", "기간", "남은 기간", "완료율",
                                           "자원 이름", "비용", "상태"}));
  EXPECT_EQ(form.lvwField.Item(1).Key, "Key188743715");

  PickCategory("비용");
  ASSERT_EQ(form.lvwField.Count(), 10);
  EXPECT_EQ(form.lvwField.Item(1).Text, "비용1");
  EXPECT_EQ(form.lvwField.Item(10).Text, "비용10");
  EXPECT_FALSE(form.lvwField.HasKey("Key188743685"));

  PickCategory("텍스트");
  EXPECT_EQ(form.lvwField.Item(30).Key, "Key188744016");

  // Only an exact category name fills the list.
  form.cmbField.Text = "기본 ";
  form.cmbField_Click();
  EXPECT_EQ(form.lvwField.Count(), 0);
}

TEST_F(FieldChooser, AddAppendsOnceAcrossCategories) {
  Add("기본", "기간");
  Add("텍스트", "텍스트30");
  EXPECT_EQ(Texts(form.lvwListingFields), (Strings{"기간", "텍스트30"}));
  EXPECT_EQ(form.lvwListingFields.Item(2).Key, "Key188744016");

  // The same fields under their other category are refused, without a message.
  const std::pair<const char*, const char*> shared[] = {
      {"기간", "기간"},           {"기본", "남은 기간"},
      {"기간", "남은 기간"},      {"초기 계획", "초기 기간"},
      {"기간", "초기 기간"},      {"기간", "실제 기간"},
      {"실제 작업", "실제 기간"}, {"완료율", "완료율"},
      {"기본", "완료율"},         {"실제 작업", "실제 완료율"},
      {"완료율", "실제 완료율"}};
  for (const auto& [category, name] : shared) Add(category, name);
  EXPECT_EQ(Texts(form.lvwListingFields), (Strings{"기간", "텍스트30", "남은 기간", "초기 기간",
                                                   "실제 기간", "완료율", "실제 완료율"}));
  EXPECT_TRUE(services.Messages().empty());

  // Choosing another category leaves the chosen list alone.
  PickCategory("번호");
  EXPECT_EQ(form.lvwListingFields.Count(), 7);
}

TEST_F(FieldChooser, AddingEverythingGivesOneColumnPerIdentifier) {
  for (int c = 0; c < form.cmbField.ListCount(); ++c) {
    form.cmbField.ListIndex = c;
    for (int i = 1; i <= form.lvwField.Count(); ++i) {
      form.lvwField.SelectedItem = i;
      form.lvwField.RaiseDblClick();
    }
  }
  ASSERT_EQ(form.lvwListingFields.Count(), 79);
  // In order of first adding: the catalogue order without the repeated fields.
  Strings expected;
  for (const TaskField& f : TaskFieldCatalogue()) {
    const std::string key = TaskFieldKey(f.Identifier);
    bool seen = false;
    for (const auto& e : expected) seen = seen || e == key;
    if (!seen) expected.push_back(key);
  }
  Strings keys;
  for (const auto& item : form.lvwListingFields.ListItems.get()) keys.push_back(item.Key);
  EXPECT_EQ(keys, expected);
}

TEST_F(FieldChooser, DeleteRemovesTheSelectedAndKeepsOrder) {
  Add("기본", "시작 날짜");
  Add("기본", "완료 날짜");
  Add("기본", "상태");
  form.lvwListingFields.SelectedItem = 2;
  form.cmdDeleteField.RaiseClick();
  EXPECT_EQ(Texts(form.lvwListingFields), (Strings{"시작 날짜", "상태"}));

  form.lvwListingFields.SelectedItem = 1;
  form.lvwListingFields.RaiseDblClick();
  EXPECT_EQ(Texts(form.lvwListingFields), (Strings{"상태"}));

  // A deleted field can be added again; it goes to the end.
  Add("기본", "시작 날짜");
  EXPECT_EQ(Texts(form.lvwListingFields), (Strings{"상태", "시작 날짜"}));
}

TEST_F(FieldChooser, NoSelectionOrEmptyListDoesNothing) {
  Add("기본", "비용");
  Add("기본", "상태");
  form.lvwField.SelectedItem = 0;
  form.cmdAddField_Click();
  form.lvwField_DblClick();
  form.lvwListingFields.SelectedItem = 0;
  form.cmdDeleteField_Click();
  form.lvwListingFields_DblClick();
  EXPECT_EQ(Texts(form.lvwListingFields), (Strings{"비용", "상태"}));

  form.cmbField.Text = "";
  form.cmbField_Click();
  form.cmdAddField_Click();
  form.lvwField_DblClick();
  EXPECT_EQ(form.lvwListingFields.Count(), 2);

  form.lvwListingFields.ClearItems();
  form.cmdDeleteField_Click();
  form.lvwListingFields_DblClick();
  EXPECT_EQ(form.lvwListingFields.Count(), 0);
}

}  // namespace
}  // namespace taskvane
