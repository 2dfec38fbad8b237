// Starts `corvane-script lsp` for the documents in the "Corvane AI script" language mode, and puts
// the plain-text files that match the corvaneScript.files patterns into that mode.
'use strict';

const path = require('path');
const vscode = require('vscode');
const { LanguageClient } = require('vscode-languageclient/node');

const languageId = 'corvane-ai-script';
let client;

// The server inside the extension, built for the package's platform, unless a setting names one.
function serverCommand(context) {
  const own = vscode.workspace.getConfiguration('corvaneScript').get('serverPath', '');
  if (own) return own;
  const program = process.platform === 'win32' ? 'corvane-script.exe' : 'corvane-script';
  return context.asAbsolutePath(path.join('server', program));
}

function isScript(document) {
  if (document.languageId !== 'plaintext' || document.uri.scheme !== 'file') return false;
  const patterns = vscode.workspace.getConfiguration('corvaneScript').get('files', []);
  return patterns.some((pattern) => vscode.languages.match({ scheme: 'file', pattern }, document) > 0);
}

// The editor and the command line read a script text as UTF-8 when it is valid UTF-8, else as
// Windows-1252 (what editors on Windows save as ANSI); VS Code opens every file as UTF-8 and would show, check and save an ANSI
// script's accented letters as replacement characters.
async function inScriptEncoding(document) {
  if (document.encoding !== 'utf8' || document.isDirty || !document.getText().includes('\ufffd')) return document;
  const bytes = await vscode.workspace.fs.readFile(document.uri);
  try {
    new TextDecoder('utf-8', { fatal: true }).decode(bytes);
    return document;
  } catch {
    return vscode.workspace.openTextDocument(document.uri, { encoding: 'windows1252' });
  }
}

async function claimIfScript(document) {
  if (!isScript(document)) return;
  const script = await inScriptEncoding(document).catch(() => document);
  vscode.languages.setTextDocumentLanguage(script, languageId);
}

async function activate(context) {
  context.subscriptions.push(vscode.workspace.onDidOpenTextDocument(claimIfScript));
  vscode.workspace.textDocuments.forEach(claimIfScript);

  const run = { command: serverCommand(context), args: ['lsp'] };
  client = new LanguageClient(languageId, 'Corvane AI script', { run, debug: run }, {
    documentSelector: [{ language: languageId }],
  });
  context.subscriptions.push(vscode.workspace.onDidChangeConfiguration((change) => {
    if (change.affectsConfiguration('corvaneScript.serverPath')) {
      vscode.window.showInformationMessage('Reload the window to start the new Corvane language server.');
    }
  }));
  await client.start();
}

function deactivate() {
  return client ? client.stop() : undefined;
}

module.exports = { activate, deactivate };
