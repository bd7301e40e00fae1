<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>AvahiThread</name>
    <message>
        <source>Не удалось запустить поиск игр в сети</source>
        <translation>Could not start looking for network games</translation>
    </message>
    <message>
        <source>Нет связи с avahi-daemon: %1</source>
        <translation>No connection to avahi-daemon: %1</translation>
    </message>
    <message>
        <source>Служба avahi-daemon не запущена</source>
        <translation>The avahi-daemon service is not running</translation>
    </message>
    <message>
        <source>Связь с avahi-daemon потеряна: %1</source>
        <translation>The connection to avahi-daemon was lost: %1</translation>
    </message>
</context>
<context>
    <name>BoardAnnouncer</name>
    <message>
        <source>Синие: %1</source>
        <translation>Blue: %1</translation>
    </message>
    <message>
        <source>Красные: %1</source>
        <translation>Red: %1</translation>
    </message>
    <message>
        <source>на месте</source>
        <translation>in place</translation>
    </message>
    <message>
        <source>сдвинута влево на %1</source>
        <translation>shifted left by %1</translation>
    </message>
    <message>
        <source>сдвинута вправо на %1</source>
        <translation>shifted right by %1</translation>
    </message>
    <message>
        <source>без отверстий под полем</source>
        <translation>no holes under the board</translation>
    </message>
    <message>
        <source>отверстия под столбцами %1</source>
        <translation>holes under columns %1</translation>
    </message>
    <message>
        <source>Рейка %1 %2, %3</source>
        <translation>Rail %1 %2, %3</translation>
    </message>
    <message>
        <source>остальные — %1 очков</source>
        <translation>the others — %1 points</translation>
    </message>
    <message>
        <source>столбцы %1 — %2 очков</source>
        <translation>columns %1 — %2 points</translation>
    </message>
    <message>
        <source>Барабан, положение %1 из %2: %3</source>
        <translation>Drum, position %1 of %2: %3</translation>
    </message>
    <message>
        <source>Ходят синие фишки</source>
        <translation>Blue to move</translation>
    </message>
    <message>
        <source>Ходят красные фишки</source>
        <translation>Red to move</translation>
    </message>
    <message>
        <source>Синие +%1.</source>
        <translation>Blue +%1.</translation>
    </message>
    <message>
        <source>Красные +%1.</source>
        <translation>Red +%1.</translation>
    </message>
</context>
<context>
    <name>BoardNames</name>
    <message>
        <source>Бросить фишку в столбец %1</source>
        <translation>Drop a chip into column %1</translation>
    </message>
    <message>
        <source>Рейка %1 влево</source>
        <translation>Rail %1 left</translation>
    </message>
    <message>
        <source>Рейка %1 вправо</source>
        <translation>Rail %1 right</translation>
    </message>
    <message>
        <source>Барабан вверх (справа)</source>
        <translation>Drum up (right)</translation>
    </message>
    <message>
        <source>Барабан вниз (справа)</source>
        <translation>Drum down (right)</translation>
    </message>
    <message>
        <source>Барабан вверх (слева)</source>
        <translation>Drum up (left)</translation>
    </message>
    <message>
        <source>Барабан вниз (слева)</source>
        <translation>Drum down (left)</translation>
    </message>
    <message>
        <source>Синяя фишка в запасе</source>
        <translation>Blue chip in stock</translation>
    </message>
    <message>
        <source>Красная фишка в запасе</source>
        <translation>Red chip in stock</translation>
    </message>
    <message>
        <source>Синяя фишка ушла с поля</source>
        <translation>Blue chip has left the board</translation>
    </message>
    <message>
        <source>Красная фишка ушла с поля</source>
        <translation>Red chip has left the board</translation>
    </message>
    <message>
        <source>Синяя фишка, столбец %1, рейка %2</source>
        <translation>Blue chip, column %1, rail %2</translation>
    </message>
    <message>
        <source>Красная фишка, столбец %1, рейка %2</source>
        <translation>Red chip, column %1, rail %2</translation>
    </message>
</context>
<context>
    <name>ComputerResult</name>
    <message>
        <source>Компьютер выиграл %1 : %2.
Хотите сыграть ещё?</source>
        <translation>The computer won %1 : %2.
Do you want to play again?</translation>
    </message>
    <message>
        <source>Вы выиграли %1 : %2!
Хотите сыграть ещё?</source>
        <translation>You won %1 : %2!
Do you want to play again?</translation>
    </message>
    <message>
        <source>Ничья, %1 : %2.
Хотите сыграть ещё?</source>
        <translation>It&apos;s a draw, %1 : %2.
Do you want to play again?</translation>
    </message>
</context>
<context>
    <name>GameAnnouncer</name>
    <message>
        <source>Служба avahi-daemon недоступна</source>
        <translation>The avahi-daemon service is unavailable</translation>
    </message>
    <message>
        <source>Идёт соединение с avahi-daemon</source>
        <translation>Connecting to avahi-daemon</translation>
    </message>
</context>
<context>
    <name>GameBrowser</name>
    <message>
        <source>avahi-daemon не ищет игры: %1</source>
        <translation>avahi-daemon does not look for games: %1</translation>
    </message>
    <message>
        <source>avahi-daemon перестал искать игры: %1</source>
        <translation>avahi-daemon stopped looking for games: %1</translation>
    </message>
    <message>
        <source>Идёт соединение с avahi-daemon</source>
        <translation>Connecting to avahi-daemon</translation>
    </message>
</context>
<context>
    <name>NetworkModuleLoader</name>
    <message>
        <source>нет файла %1</source>
        <translation>the file %1 is missing</translation>
    </message>
    <message>
        <source>%1 другой версии</source>
        <translation>%1 is of another version</translation>
    </message>
</context>
<context>
    <name>reikoboy::ChatWindow</name>
    <message>
        <source>Сообщение сопернику</source>
        <translation>Message to opponent</translation>
    </message>
    <message>
        <source>Введите сообщение и нажмите Enter</source>
        <translation>Type a message and press Enter</translation>
    </message>
    <message>
        <source>(не отправлено: соперника нет на связи)</source>
        <translation>(not sent: the opponent is not connected)</translation>
    </message>
</context>
<context>
    <name>reikoboy::ComputerTurn</name>
    <message>
        <source>Компьютер %1</source>
        <translation>The computer %1</translation>
    </message>
</context>
<context>
    <name>reikoboy::CreateGameDialog</name>
    <message>
        <source>Создать игру</source>
        <translation>Create game</translation>
    </message>
    <message>
        <source>Синие</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Красные</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Ваше имя:</source>
        <translation>Your name:</translation>
    </message>
    <message>
        <source>Ваши фишки:</source>
        <translation>Your chips:</translation>
    </message>
    <message>
        <source>Порт:</source>
        <translation>Port:</translation>
    </message>
</context>
<context>
    <name>reikoboy::Form1</name>
    <message>
        <source>Нажмите чтобы бросить фишку в эту ячейку.</source>
        <translation>Click to drop a chip into this cell.</translation>
    </message>
    <message>
        <source>Нажмите что бы передвинуть эту рейку влево.</source>
        <translation>Click to slide this rail to the left.</translation>
    </message>
    <message>
        <source>Нажмите что бы передвинуть эту рейку вправо.</source>
        <translation>Click to slide this rail to the right.</translation>
    </message>
    <message>
        <source>Нажмите чтобы крутануть барабан вверх.</source>
        <translation>Click to turn the drum up.</translation>
    </message>
    <message>
        <source>Нажмите чтобы крутануть барабан вниз.</source>
        <translation>Click to turn the drum down.</translation>
    </message>
    <message>
        <source>Нажмите если хотите передать ход сопернику.</source>
        <translation>Click to hand the turn to your opponent.</translation>
    </message>
    <message>
        <source>&amp;Всё, хватит!</source>
        <translation>&amp;That&apos;s enough!</translation>
    </message>
    <message>
        <source>Картинки в поставке|*.Ris|Все графические файлы|*.jpg;*.jpeg;*.gif;*.bmp;*.dib;*.wmf;*.emf;*.ris|Все файлы|*.*|JPEG Filter|*.jpg;*.jpeg|Формат GIF|*.gif|Точечный рисунок Windows|*.bmp;*.dib|Метафайлы|*.wmf;*.emf</source>
        <translation>Pictures that come with the game|*.Ris|All picture files|*.jpg;*.jpeg;*.gif;*.bmp;*.dib;*.wmf;*.emf;*.ris|All files|*.*|JPEG Filter|*.jpg;*.jpeg|GIF format|*.gif|Windows bitmap|*.bmp;*.dib|Metafiles|*.wmf;*.emf</translation>
    </message>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>&amp;Новая игра</source>
        <translation>&amp;New game</translation>
    </message>
    <message>
        <source>&amp;Открыть...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>&amp;Сохранить...</source>
        <translation>&amp;Save...</translation>
    </message>
    <message>
        <source>&amp;Выход</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Параметры</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>&amp;Звук</source>
        <translation>S&amp;ound</translation>
    </message>
    <message>
        <source>&amp;Выбрать фон...</source>
        <translation>Choose &amp;background...</translation>
    </message>
    <message>
        <source>&amp;Справка</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Вызов справки</source>
        <translation>&amp;Help contents</translation>
    </message>
    <message>
        <source>&amp;О программе...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>Не удалось открыть картинку «%1».</source>
        <translation>Could not open the picture “%1”.</translation>
    </message>
    <message>
        <source>Сохраненная игра (*.sav)</source>
        <translation>Saved game (*.sav)</translation>
    </message>
    <message>
        <source>Не удалось записать файл «%1»: папка закрыта для записи. Игра не сохранена.</source>
        <translation>Could not write the file “%1”: the folder cannot be written to. The game was not saved.</translation>
    </message>
    <message>
        <source>Не удалось записать файл «%1». Игра не сохранена.</source>
        <translation>Could not write the file “%1”. The game was not saved.</translation>
    </message>
    <message>
        <source>Хотите сохранить начатую игру?</source>
        <translation>Do you want to save the game in progress?</translation>
    </message>
    <message>
        <source>&amp;Второй игрок</source>
        <translation>&amp;Second player</translation>
    </message>
    <message>
        <source>Компьютер за &amp;красных</source>
        <translation>Computer plays &amp;red</translation>
    </message>
    <message>
        <source>Компьютер за &amp;синих</source>
        <translation>Computer plays &amp;blue</translation>
    </message>
    <message>
        <source>&amp;Новичок</source>
        <translation>&amp;Novice</translation>
    </message>
    <message>
        <source>&amp;Любитель</source>
        <translation>&amp;Amateur</translation>
    </message>
    <message>
        <source>&amp;Мастер</source>
        <translation>&amp;Master</translation>
    </message>
    <message>
        <source>&amp;Ход</source>
        <translation>&amp;Move</translation>
    </message>
    <message>
        <source>&amp;Подсказка</source>
        <translation>&amp;Hint</translation>
    </message>
    <message>
        <source>&amp;Соперник</source>
        <translation>&amp;Opponent</translation>
    </message>
    <message>
        <source>Сила &amp;компьютера</source>
        <translation>&amp;Computer strength</translation>
    </message>
    <message>
        <source>&amp;Сеть</source>
        <translation>&amp;Network</translation>
    </message>
    <message>
        <source>Создать игру...</source>
        <translation>Create game...</translation>
    </message>
    <message>
        <source>Подключиться...</source>
        <translation>Join...</translation>
    </message>
    <message>
        <source>Сообщение сопернику...</source>
        <translation>Message to opponent...</translation>
    </message>
    <message>
        <source>Отключиться</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>Вы вышли из сетевой игры.</source>
        <translation>You left the network game.</translation>
    </message>
    <message>
        <source>Не удалось открыть порт %1: %2</source>
        <translation>Could not open port %1: %2</translation>
    </message>
    <message>
        <source>Код игры: %1
Порт: %2
Адреса этого компьютера:
%3</source>
        <translation>Game code: %1
Port: %2
This computer&apos;s addresses:
%3</translation>
    </message>
    <message>
        <source>Игрок</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Ждём соперника… код %1</source>
        <translation>Waiting for the opponent… code %1</translation>
    </message>
    <message>
        <source>Подключаемся к %1…</source>
        <translation>Connecting to %1…</translation>
    </message>
    <message>
        <source>Сетевая игра недоступна: %1</source>
        <translation>Network play is unavailable: %1</translation>
    </message>
    <message>
        <source>Соперник подключился: %1.</source>
        <translation>The opponent has joined: %1.</translation>
    </message>
    <message>
        <source>Соперник</source>
        <translation>Opponent</translation>
    </message>
    <message>
        <source>Соперник предлагает новую игру (Файл → Новая игра).</source>
        <translation>The opponent offers a new game (Game → New game).</translation>
    </message>
    <message>
        <source>Новая игра: цвета поменялись.</source>
        <translation>New game: the colours have swapped.</translation>
    </message>
    <message>
        <source>Соперник открыл сохранённую игру.</source>
        <translation>The opponent opened a saved game.</translation>
    </message>
    <message>
        <source>Соперник вышел из игры.</source>
        <translation>The opponent left the game.</translation>
    </message>
    <message>
        <source>Соперник не допущен.</source>
        <translation>The opponent was not let in.</translation>
    </message>
    <message>
        <source>У соперника уже идёт игра.</source>
        <translation>The opponent is already playing a game.</translation>
    </message>
    <message>
        <source>У соперника другая версия игры.</source>
        <translation>The opponent has another version of the game.</translation>
    </message>
    <message>
        <source>Неверный код игры.</source>
        <translation>Wrong game code.</translation>
    </message>
    <message>
        <source>Не удалось подключиться к %1.</source>
        <translation>Could not connect to %1.</translation>
    </message>
    <message>
        <source>Связь с соперником потеряна.</source>
        <translation>Connection to the opponent lost.</translation>
    </message>
    <message>
        <source>Ходят синии фишки</source>
        <translation>Blue to move</translation>
    </message>
    <message>
        <source>Ходят синие фишки</source>
        <translation>Blue to move</translation>
    </message>
    <message>
        <source>Ходят красные фишки</source>
        <translation>Red to move</translation>
    </message>
    <message>
        <source>Поздравляю! </source>
        <translation>Congratulations! </translation>
    </message>
    <message>
        <source>Выиграли синие фишки!</source>
        <translation>Blue wins!</translation>
    </message>
    <message>
        <source>Выиграли красные фишки!</source>
        <translation>Red wins!</translation>
    </message>
    <message>
        <source>Ничья!</source>
        <translation>It&apos;s a draw!</translation>
    </message>
    <message>
        <source>Хотите сыграть ещё?</source>
        <translation>Do you want to play again?</translation>
    </message>
    <message>
        <source>Как в &amp;системе</source>
        <translation>As on the &amp;desktop</translation>
    </message>
    <message>
        <source>&amp;Язык</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Продолжить прерванную игру?</source>
        <translation>Continue the interrupted game?</translation>
    </message>
    <message>
        <source>Не удалось удалить прерванную игру «%1»: папка закрыта для записи. Больше она предлагаться не будет.</source>
        <translation>Could not remove the interrupted game “%1”: the folder cannot be written to. It will not be offered again.</translation>
    </message>
    <message>
        <source>Синие</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Красные</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>&amp;Запись игры</source>
        <translation>Game &amp;record</translation>
    </message>
    <message>
        <source>&amp;Статистика...</source>
        <translation>S&amp;tatistics...</translation>
    </message>
    <message>
        <source>С&amp;даться</source>
        <translation>&amp;Resign</translation>
    </message>
    <message>
        <source>Вы сдались. Выиграл компьютер.
Хотите сыграть ещё?</source>
        <translation>You resigned. The computer wins.
Do you want to play again?</translation>
    </message>
    <message>
        <source>%1 фишки сдались. Выиграли %2 фишки!
Хотите сыграть ещё?</source>
        <translation>%1 resigned. %2 wins!
Do you want to play again?</translation>
    </message>
    <message>
        <source>&amp;Масштаб</source>
        <translation>S&amp;cale</translation>
    </message>
    <message>
        <source>Как на рабочем &amp;столе</source>
        <translation>Same as the &amp;desktop</translation>
    </message>
    <message>
        <source>Новый масштаб окна будет при следующем запуске игры.</source>
        <translation>The new window scale takes effect the next time the game starts.</translation>
    </message>
    <message>
        <source>В сетевой игре ход не отменить.</source>
        <translation>A move cannot be undone in a network game.</translation>
    </message>
    <message>
        <source>В сетевой игре ход не повторить.</source>
        <translation>A move cannot be redone in a network game.</translation>
    </message>
    <message>
        <source>Ходит %1</source>
        <translation>%1 to move</translation>
    </message>
    <message>
        <source>Ходит %1 (по сети)</source>
        <translation>%1 to move (over the network)</translation>
    </message>
    <message>
        <source>соперник</source>
        <translation>the opponent</translation>
    </message>
    <message>
        <source>Ждём ответа соперника…</source>
        <translation>Waiting for the opponent&apos;s answer…</translation>
    </message>
    <message>
        <source>&amp;Отменить ход</source>
        <translation>&amp;Undo move</translation>
    </message>
    <message>
        <source>По&amp;вторить ход</source>
        <translation>&amp;Redo move</translation>
    </message>
    <message>
        <source>Взяты назад ваш ход и ответ компьютера</source>
        <translation>Your move and the computer&apos;s answer were taken back</translation>
    </message>
    <message>
        <source>Ход взят назад: %1</source>
        <translation>Move taken back: %1</translation>
    </message>
    <message>
        <source>Ход повторён: %1</source>
        <translation>Move redone: %1</translation>
    </message>
    <message>
        <source>Рейкобой</source>
        <translation>Reikoboy</translation>
    </message>
</context>
<context>
    <name>reikoboy::Form2</name>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>&amp;Назад</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Справка не найдена&lt;/h3&gt;&lt;p&gt;Файл «index.htm» должен лежать в папке, из которой запущена игра, или в папке данных установленной игры.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Help not found&lt;/h3&gt;&lt;p&gt;The file “index.htm” must be in the folder the game was started from, or in the data folder of the installed game.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>reikoboy::Form3</name>
    <message>
        <source>О программе...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>Автор и программист: %1.</source>
        <translation>Author and programmer: %1.</translation>
    </message>
    <message>
        <source>Нет почтовой программы.</source>
        <translation>No mail program.</translation>
    </message>
</context>
<context>
    <name>reikoboy::GameRecordWindow</name>
    <message>
        <source>Синие</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Красные</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>красным %1</source>
        <translation>red %1</translation>
    </message>
    <message>
        <source>синим %1</source>
        <translation>blue %1</translation>
    </message>
    <message>
        <source>Запись игры</source>
        <translation>Game record</translation>
    </message>
    <message>
        <source>Ходы этой игры</source>
        <translation>Moves of this game</translation>
    </message>
    <message>
        <source>Взят назад: «Повторить ход» сыграет его снова</source>
        <translation>Taken back: “Redo move” plays it again</translation>
    </message>
</context>
<context>
    <name>reikoboy::JoinGameDialog</name>
    <message>
        <source>Поиск игр в сети недоступен</source>
        <translation>Searching for network games is unavailable</translation>
    </message>
    <message>
        <source>Подключиться к игре</source>
        <translation>Join a game</translation>
    </message>
    <message>
        <source>Игры в сети</source>
        <translation>Network games</translation>
    </message>
    <message>
        <source>адрес или адрес:порт</source>
        <translation>address or address:port</translation>
    </message>
    <message>
        <source>Игры в сети:</source>
        <translation>Network games:</translation>
    </message>
    <message>
        <source>Адрес:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>Код игры:</source>
        <translation>Game code:</translation>
    </message>
    <message>
        <source>Ваше имя:</source>
        <translation>Your name:</translation>
    </message>
    <message>
        <source>Ищем игры в сети…</source>
        <translation>Looking for network games…</translation>
    </message>
    <message>
        <source>Игр в сети пока нет</source>
        <translation>No network games yet</translation>
    </message>
    <message>
        <source>Игрок</source>
        <translation>Player</translation>
    </message>
</context>
<context>
    <name>reikoboy::MoveHint</name>
    <message>
        <source>Подсказка: %1</source>
        <translation>Hint: %1</translation>
    </message>
</context>
<context>
    <name>reikoboy::StatisticsWindow</name>
    <message>
        <source>Двое за экраном: синие</source>
        <translation>Two at one screen: blue</translation>
    </message>
    <message>
        <source>Двое за экраном: красные</source>
        <translation>Two at one screen: red</translation>
    </message>
    <message>
        <source>Против «Новичка»</source>
        <translation>Against “Novice”</translation>
    </message>
    <message>
        <source>Против «Любителя»</source>
        <translation>Against “Amateur”</translation>
    </message>
    <message>
        <source>Против «Мастера»</source>
        <translation>Against “Master”</translation>
    </message>
    <message>
        <source>По сети</source>
        <translation>Over the network</translation>
    </message>
    <message>
        <source>Забыть все результаты?</source>
        <translation>Forget all results?</translation>
    </message>
    <message>
        <source>Статистика</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Победы</source>
        <translation>Wins</translation>
    </message>
    <message>
        <source>Поражения</source>
        <translation>Losses</translation>
    </message>
    <message>
        <source>Ничьи</source>
        <translation>Draws</translation>
    </message>
    <message>
        <source>Лучший перевес</source>
        <translation>Best margin</translation>
    </message>
    <message>
        <source>Статистика игр</source>
        <translation>Game statistics</translation>
    </message>
    <message>
        <source>&amp;Сбросить</source>
        <translation>&amp;Reset</translation>
    </message>
</context>
</TS>
