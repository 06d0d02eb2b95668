# The newcomer's commands: `make run` and `make test`. Both install what is missing first.
BUILD_DIR ?= build
JOBS ?= 2
PREFIX ?= /usr/local
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1

.PHONY: all deps configure build run test install bench fuzz compat clean test-sanitize test-sanitize-core test-sanitize-components test-sanitize-forms

all: build

deps:
	@./scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	cd $(BUILD_DIR)/bin && ./veltrano

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The program folder goes to $(PREFIX)/lib/veltrano/bin, the launcher to $(PREFIX)/bin; DESTDIR
# puts the whole tree under another root (packaging).
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix $(PREFIX)

bench: build
	@./bench/run.sh $(BUILD_DIR)

fuzz: deps
	@./scripts/fuzz.sh

# AddressSanitizer and UndefinedBehaviorSanitizer, each in a build dir of its own: the suites
# without Qt (rtl, interpreter, foreign calls) and then the components suite on the offscreen
# platform. Any report fails the run.
SANITIZE_DIR ?= build-sanitize
SANITIZE_GUI_DIR ?= build-sanitize-gui
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp

test-sanitize: test-sanitize-core test-sanitize-components test-sanitize-forms

test-sanitize-core: deps
	@cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVL_SANITIZE=ON -DVL_BUILD_GUI=OFF >/dev/null
	@cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

test-sanitize-components: deps
	@cmake -S . -B $(SANITIZE_GUI_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVL_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZE_GUI_DIR) -j $(JOBS) --target vl_components_tests
	cd $(SANITIZE_GUI_DIR)/tests && $(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen VL_TEST_DATA_DIR=$(CURDIR)/tests/data \
	  VL_PROGRAM_DIR=$(CURDIR)/$(SANITIZE_GUI_DIR)/bin ./vl_components_tests --gtest_brief=1

# The script-form suites (event bridges that must never dangle, forms freed by their own handlers,
# modal waits) and the widget set's lifetime and modal cases, in the same build dir; CI runs this
# one rather than the whole components suite. The headless runner's cases need its programs: left out.
SANITIZE_FORMS_FILTER = -FormsRunner.*
SANITIZE_WIDGET_FILTER = WidgetLifetime.*:ModalWaits.*:WidgetEvents.ShowModal*

test-sanitize-forms: deps
	@cmake -S . -B $(SANITIZE_GUI_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVL_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZE_GUI_DIR) -j $(JOBS) --target vl_forms_tests vl_components_tests
	cd $(SANITIZE_GUI_DIR)/tests && $(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen VL_TEST_DATA_DIR=$(CURDIR)/tests/data \
	  VL_PROGRAM_DIR=$(CURDIR)/$(SANITIZE_GUI_DIR)/bin ./vl_forms_tests --gtest_brief=1 --gtest_filter='$(SANITIZE_FORMS_FILTER)'
	cd $(SANITIZE_GUI_DIR)/tests && $(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen VL_TEST_DATA_DIR=$(CURDIR)/tests/data \
	  VL_PROGRAM_DIR=$(CURDIR)/$(SANITIZE_GUI_DIR)/bin ./vl_components_tests --gtest_brief=1 --gtest_filter='$(SANITIZE_WIDGET_FILTER)'

# Regenerates the expected outputs of tests/compat with Free Pascal (only where fpc is installed).
compat:
	@./scripts/compat.sh

clean:
	rm -rf $(BUILD_DIR)
