// Lints the page's own code (resources/web), which runs as a plain script in
// current browsers.
import js from "@eslint/js";
import globals from "globals";

export default [
  {
    files: ["**/*.js"],
    ...js.configs.recommended,
  },
  {
    files: ["**/*.js"],
    languageOptions: {
      ecmaVersion: 2022,
      sourceType: "script",
      globals: {...globals.browser},
    },
    rules: {
      "eqeqeq": "error",
      "no-var": "error",
      "prefer-const": "error",
      "strict": ["error", "global"],
      "no-shadow": "error",
    },
  },
];
